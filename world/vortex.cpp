#include "world/vortex.h"

#include <algorithm>
#include <cstdlib>

#include "game/state.h"

namespace heli {

namespace {

// A fresh run length: only the low byte of the draw is kept, so 0 can come up
// and is simply drawn again on the next tick.
u8 NewRun(GameState& g) {
  return static_cast<u8>((g.random(40000) + 32) % 256);
}

// One ring's push on the heading; d above 200 leaves it alone.
void Buffet(GameState& g, i32 d) {
  if (d <= 100) {
    g.heading = static_cast<u8>(g.heading - 3);
  } else if (d <= 200) {
    g.heading = static_cast<u8>(g.heading + 3);
  }
}

bool Within(i32 dx, i32 dy, i32 reach) {
  return std::abs(dx) < reach && std::abs(dy) < reach;
}

}  // namespace

void DriftVortices(GameState& g) {
  const int count = std::min<int>(g.vortex_count, g.vortices.capacity);
  for (int i = 0; i < count; ++i) {
    Vortex& v = g.vortices[i];
    if (v.run_y == 0) {
      v.run_y = NewRun(g);
      v.dir_y = static_cast<u8>(g.random(2));
    }
    if (v.run_x == 0) {
      v.run_x = NewRun(g);
      v.dir_x = static_cast<u8>(g.random(2));
    }
    if (v.run_y > 0) {
      --v.run_y;
      if (v.dir_y == 0) v.my = static_cast<f32>(v.my + 0.2);
      if (v.dir_y == 1) v.my = static_cast<f32>(v.my - 0.2);
    }
    if (v.run_x > 0) {
      --v.run_x;
      if (v.dir_x == 0) v.mx = static_cast<f32>(v.mx + 0.2);
      if (v.dir_x == 1) v.mx = static_cast<f32>(v.mx - 0.2);
    }
    // The map wraps unevenly: x keeps within -400..450, y within -260..260.
    if (v.my < -260) v.my = 250;
    if (v.my > 260) v.my = -250;
    if (v.mx > 450) v.mx = -380;
    if (v.mx < -400) v.mx = 450;
  }
}

void VortexEffectTick(GameState& g) {
  g.vortex_warning = 0;
  const i32 p = static_cast<i32>(g.map_x);
  const i32 q = static_cast<i32>(g.map_y);
  const int count = std::min<int>(g.vortex_count, g.vortices.capacity);
  for (int i = 0; i < count; ++i) {
    const Vortex& v = g.vortices[i];
    const i32 dx = p - static_cast<i32>(v.mx);
    const i32 dy = q - static_cast<i32>(v.my);

    // The wind swells quickly near a vortex and dies away slowly.
    if (Within(dx, dy, 90)) {
      g.vortex_volume = std::min(g.vortex_volume + 80, 0);
    } else {
      g.vortex_volume = std::max(g.vortex_volume - 30, -7000);
    }
    g.sounds.SetVolume(kTamrox, g.vortex_volume);

    // One draw per vortex decides all three rings, so the rings add up.
    const i32 d = g.random(250);
    const bool pulls_down = d >= 1 && d <= 80;
    if (Within(dx, dy, 80)) {
      g.vortex_warning = 1;
      Buffet(g, d);
    }
    if (Within(dx, dy, 60)) {
      g.vortex_warning = 1;
      Buffet(g, d);
      if (pulls_down) --g.altitude;
    }
    if (Within(dx, dy, 30)) {
      g.vortex_warning = 1;
      Buffet(g, d);
      if (pulls_down) {
        --g.altitude;
        --g.speed;
      }
    }
  }
}

}  // namespace heli
