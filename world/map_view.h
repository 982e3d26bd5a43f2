#pragma once
// The full-screen map.

namespace heli {

struct GameState;

// While the map is shown: the world moves on beneath it and the vortex marks turn.
void MapViewTick(GameState& g);

}  // namespace heli
