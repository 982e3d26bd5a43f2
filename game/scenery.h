#pragma once
// Scrolling scenery: the wave sparkles and the map tiles.

namespace heli {

struct TForm1;

// Moves, animates, draws and wraps the 40 wave sparkles.
void ParticlesTick(TForm1& g);
// Moves and draws the map tiles in use.
void TilesTick(TForm1& g);

}  // namespace heli
