#pragma once
// Scrolling scenery: the wave sparkles and the map tiles.

namespace heli {

struct GameState;

// Moves and animates the 40 wave sparkles.
void ParticlesTick(GameState& g);
// Brings sparkles that left the screen back in at the far side (after drawing).
void WrapParticles(GameState& g);
// Moves the map tiles in use.
void TilesTick(GameState& g);

}  // namespace heli
