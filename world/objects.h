#pragma once
// World objects: the fuel depot, the base and the level's scenery.

namespace heli {

struct GameState;

// Scrolls and animates every object, runs the base's unloading, and ends the
// level when nobody is left.
void ObjectsTick(GameState& g);

}  // namespace heli
