#pragma once
// World objects: the fuel depot, the base and the level's scenery.

namespace heli {

struct TForm1;

// Scrolls, animates and draws every object; ends the level when nobody is left.
void ObjectsTick(TForm1& g);

}  // namespace heli
