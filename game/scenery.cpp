#include "game/scenery.h"

#include <algorithm>

#include "game/state.h"

namespace heli {

void ParticlesTick(GameState& g) {
  for (int i = 0; i < g.particles.capacity; ++i) {
    Particle& p = g.particles[i];
    p.y -= g.scroll_dy;
    p.x += g.scroll_dx;
    p.phase = static_cast<u8>(p.phase + 1);
    if (p.phase > 50) p.phase = static_cast<u8>(g.random(30));
  }
}

void WrapParticles(GameState& g) {
  for (int i = 0; i < g.particles.capacity; ++i) {
    Particle& p = g.particles[i];
    // Uneven on purpose: a sparkle leaving at the top or left comes back well
    // inside the far edge, so the sea never looks regular.
    if (p.y > 650) p.y = -30;
    if (p.y < -50) p.y = 550;
    if (p.x > 850) p.x = -30;
    if (p.x < -50) p.x = 830;
  }
}

void TilesTick(GameState& g) {
  const int count = std::min<int>(g.tile_count, g.tiles.capacity);
  for (int i = 0; i < count; ++i) {
    Tile& t = g.tiles[i];
    t.y -= g.scroll_dy;
    t.x += g.scroll_dx;
  }
}

}  // namespace heli
