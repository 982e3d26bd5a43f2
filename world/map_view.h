#pragma once
// The full-screen map.

namespace heli {

struct TForm1;

// Moves the world and draws the map with its marks.
void MapViewTick(TForm1& g);

}  // namespace heli
