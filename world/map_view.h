#pragma once
// The full-screen map.

namespace heli {

struct TForm1;

// While the map is shown: the world moves on beneath it and the vortex marks turn.
void MapViewTick(TForm1& g);

}  // namespace heli
