#pragma once
// World objects: the fuel depot, the base and the level's scenery.

namespace heli {

struct TForm1;

// Scrolls and animates every object, runs the base's unloading, and ends the
// level when nobody is left.
void ObjectsTick(TForm1& g);

}  // namespace heli
