#include "game/scenery.h"

#include <algorithm>

#include "game/pictures.h"
#include "shell/form.h"

namespace heli {

namespace {

// The sparkle picture (list ostrovy) for an animation phase; -1 shows nothing.
int SparklePicture(u8 phase) {
  if (phase == 0) return -1;
  if (phase <= 10) return pic::ostrovy::kVlny1;
  if (phase <= 17) return pic::ostrovy::kVlny2;
  if (phase <= 22) return pic::ostrovy::kVlny3;
  if (phase <= 24) return -1;
  if (phase <= 28) return pic::ostrovy::kVlny4;
  return -1;
}

}  // namespace

void ParticlesTick(TForm1& g) {
  media::Surface& back = g.DXDraw.BackSurface();
  for (int i = 0; i < g.particles.capacity; ++i) {
    Particle& p = g.particles[i];
    p.y -= g.scroll_dy;
    p.x += g.scroll_dx;
    p.phase = static_cast<u8>(p.phase + 1);
    if (p.phase > 50) p.phase = static_cast<u8>(g.random(30));
    const int picture = SparklePicture(p.phase);
    if (picture >= 0) g.ostrovy.DrawImage(back, picture, p.x, p.y);
    // Uneven on purpose: a sparkle leaving at the top or left comes back well
    // inside the far edge, so the sea never looks regular.
    if (p.y > 650) p.y = -30;
    if (p.y < -50) p.y = 550;
    if (p.x > 850) p.x = -30;
    if (p.x < -50) p.x = 830;
  }
}

void TilesTick(TForm1& g) {
  media::Surface& back = g.DXDraw.BackSurface();
  const int count = std::min<int>(g.tile_count, g.tiles.capacity);
  for (int i = 0; i < count; ++i) {
    Tile& t = g.tiles[i];
    t.y -= g.scroll_dy;
    t.x += g.scroll_dx;
    // Off-screen tiles are drawn too; the draw clips them.
    g.ostrovy.DrawImage(back, t.image, t.x + g.heli_screen_x, t.y + g.heli_screen_y);
  }
}

}  // namespace heli
