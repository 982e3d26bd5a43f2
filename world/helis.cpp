#include "world/helis.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/state.h"

namespace heli {

namespace {

constexpr u8 kNorth = 0, kEast = 64, kSouth = 128;
constexpr u8 kWest = 190;  // two steps short of due west, as the patrols fly it

// Map positions truncated towards zero; kept within i32 so a runaway value
// cannot overflow the conversion.
i32 Trunc(f32 v) {
  const double t = std::trunc(static_cast<double>(v));
  return static_cast<i32>(std::clamp(t, -2.0e9, 2.0e9));
}

void EngineSound(GameState& g, const Heli& h) {
  const i32 cx = g.heli_screen_x + g.view_x;
  const i32 cy = g.heli_screen_y + g.view_y;
  const bool near = cx - 950 < h.x && h.x < cx + 950 && cy - 950 < h.y && h.y < cy + 950;
  g.sounds.SetVolume(kCiziVrtulnik, near ? 0 : -7000);
}

void RandomCourse(GameState& g, int i) {
  Heli& h = g.helis.At(i);
  if (h.dice == 1000) {
    h.dice = 1001;
    ClearHeliCourse(g, i);
    h.steer_west = 1;
  }
  if (h.dice == 2000) {
    h.dice = 2001;
    ClearHeliCourse(g, i);
    h.steer_east = 1;
  }
  if (h.dice == 3000) {
    h.dice = 3001;
    ClearHeliCourse(g, i);
    h.steer_north = 1;
  }
  if (h.dice == 4000) {
    h.dice = 4001;
    ClearHeliCourse(g, i);
    h.steer_south = 1;
  }
}

void Steer(GameState& g, int i, u8 Heli::*latch) {
  ClearHeliCourse(g, i);
  g.helis.At(i).*latch = 1;
}

void FleeVortices(GameState& g, int i, i32 hx, i32 ky) {
  const int count = std::min<int>(g.vortex_count, g.vortices.capacity);
  for (int n = 1; n <= count; ++n) {
    const i32 v = Trunc(g.vortices.At(n).mx);
    const i32 w = Trunc(g.vortices.At(n).my);
    Heli& h = g.helis.At(i);
    if (v - 100 < hx && hx < v && w - 100 < ky && ky < w + 100) {
      Steer(g, i, &Heli::steer_west);
      h.shove = 50;
    }
    if (v < hx && hx < v + 100 && w - 100 < ky && ky < w + 100) {
      Steer(g, i, &Heli::steer_east);
      h.shove = 50;
    }
    if (v - 80 < hx && hx < v + 80 && w - 80 < ky && ky < w) {
      Steer(g, i, &Heli::steer_north);
      h.shove = 50;
    }
    if (v - 80 < hx && hx < v + 80 && w < ky && ky < w + 80) {
      Steer(g, i, &Heli::steer_south);
      h.shove = 50;
    }
  }
}

void TurnBackAtEdges(GameState& g, int i) {
  const Heli& h = g.helis.At(i);
  if (h.my > 180) Steer(g, i, &Heli::steer_north);
  if (h.my < -180) Steer(g, i, &Heli::steer_south);
  if (h.mx > 180) Steer(g, i, &Heli::steer_west);
  if (h.mx < -180) Steer(g, i, &Heli::steer_east);
}

// Always clockwise, two steps a tick, until the latch's heading is reached.
void Turn(Heli& h) {
  if (h.steer_west && h.heli_heading != kWest) h.heli_heading += 2;
  if (h.steer_east && h.heli_heading != kEast) h.heli_heading += 2;
  if (h.steer_north && h.heli_heading != kNorth) h.heli_heading += 2;
  if (h.steer_south && h.heli_heading != kSouth) h.heli_heading += 2;
}

void Move(Heli& h) {
  const i32 s = h.pace + h.shove;
  const double step = s / 100.0;
  if (h.steer_north && h.heli_heading == kNorth) {
    h.y -= s;
    h.my = static_cast<f32>(h.my - step);
  }
  if (h.steer_west && h.heli_heading == kWest) {
    h.x -= s;
    h.mx = static_cast<f32>(h.mx - step);
  }
  if (h.steer_south && h.heli_heading == kSouth) {
    h.y += s;
    h.my = static_cast<f32>(h.my + step);
  }
  if (h.steer_east && h.heli_heading == kEast) {
    h.x += s;
    h.mx = static_cast<f32>(h.mx + step);
  }
}

}  // namespace

void OwnMove(const Heli& h, i32& dx, i32& dy) {
  // As Move goes, without moving.
  const i32 s = h.pace + h.shove;
  dx = dy = 0;
  if (h.steer_north && h.heli_heading == kNorth) dy -= s;
  if (h.steer_west && h.heli_heading == kWest) dx -= s;
  if (h.steer_south && h.heli_heading == kSouth) dy += s;
  if (h.steer_east && h.heli_heading == kEast) dx += s;
}

void ClearHeliCourse(GameState& g, int i) {
  Heli& h = g.helis.At(i);
  h.steer_west = h.steer_east = h.steer_north = h.steer_south = 0;
}

void HelisTick(GameState& g) {
  const int count = std::min<int>(g.heli_count, g.helis.capacity);
  for (int i = 1; i <= count; ++i) {
    Heli& h = g.helis.At(i);
    EngineSound(g, h);  // every helicopter sets it in turn: the last one decides
    h.shove = 0;

    const i32 a = Trunc(g.map_x), b = Trunc(g.map_y);
    const i32 hx = Trunc(h.mx), ky = Trunc(h.my);
    // Flying close to another helicopter costs fuel, but not on the ground.
    if (std::abs(a - hx) < 5 && std::abs(b - ky) < 5 && g.altitude > 3) --g.fuel;

    h.dice = static_cast<u32>(g.random(5000));
    h.x += g.scroll_dx;
    h.y -= g.scroll_dy;

    RandomCourse(g, i);
    FleeVortices(g, i, hx, ky);
    TurnBackAtEdges(g, i);
    Turn(h);
    Move(h);
    if (g.map_shown == 0) {  // the rotor turns on after it has been shown
      h.shown_rotor = h.heli_rotor;
      h.heli_rotor += 35;
    }
  }
}

}  // namespace heli
