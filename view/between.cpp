#include "view/between.h"

#include <algorithm>
#include <cmath>

#include "view/frame.h"
#include "world/helis.h"

namespace heli {

namespace {

// Share f of a whole-pixel or whole-step move, to the nearest whole.
i32 Part(double f, i32 move) {
  return static_cast<i32>(std::lround(f * move));
}

// An angle on the byte's circle, f of the way to `to` the short way round.
u8 TurnPart(double f, u8 from, u8 to) {
  return static_cast<u8>(from + Part(f, static_cast<std::int8_t>(static_cast<u8>(to - from))));
}

// A rotor turns one way only: f of the way forwards.
u8 SpinPart(double f, u8 from, u8 to) {
  return static_cast<u8>(from + Part(f, static_cast<u8>(to - from)));
}

}  // namespace

Scene SceneBetween(const GameState& g, double f) {
  Scene s = g.scene;
  f = std::clamp(f, 0.0, 1.0);
  // The world moves against the helicopter: right by the scroll's x, up by its y.
  const i32 dx = Part(f, g.scroll_dx), dy = -Part(f, g.scroll_dy);
  for (Particle& p : s.particles.items) {
    p.x += dx;
    p.y += dy;
  }
  for (int i = 0; i < std::min<int>(s.tile_count, s.tiles.capacity); ++i) {
    s.tiles[i].x += dx;
    s.tiles[i].y += dy;
  }
  for (int i = 0; i < std::min<int>(s.object_count, s.objects.capacity); ++i) {
    s.objects[i].x += dx;
    s.objects[i].y += dy;
  }
  for (int i = 0; i < std::min<int>(s.people_count, s.people.capacity); ++i) {
    Person& p = s.people[i];
    p.x += dx, p.y += dy;
    p.run_x += dx, p.run_y += dy;
    p.fall_x += dx, p.fall_y += dy;
    p.mark_x += dx, p.mark_y += dy;
  }
  for (int i = 0; i < std::min<int>(s.heli_count, s.helis.capacity); ++i) {
    Heli& h = s.helis[i];
    i32 own_x = 0, own_y = 0;
    OwnMove(h, own_x, own_y);
    h.x += dx + Part(f, own_x);
    h.y += dy + Part(f, own_y);
    h.shown_rotor = SpinPart(f, h.shown_rotor, h.heli_rotor);
  }
  // The player's helicopter: what the last tick's controls set for the next.
  s.heading = TurnPart(f, s.heading, g.heading);
  s.altitude += Part(f, g.altitude - s.altitude);
  s.rotor_angle = SpinPart(f, s.rotor_angle, g.rotor_angle);
  s.spin_angle = SpinPart(f, s.spin_angle, g.spin_angle);
  return s;
}

void DrawFrameBetween(const Painter& p, const GameState& g, double f) {
  DrawPlayFrame(p, g, SceneBetween(g, f));
}

}  // namespace heli
