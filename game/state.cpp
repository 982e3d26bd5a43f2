#include "game/state.h"

namespace heli {

i32 GameState::random(i32 n) {
  RandSeed = RandSeed * 134775813u + 1u;
  if (n <= 0) return 0;
  return static_cast<i32>((static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint64_t>(n)) >>
                          32);
}

void GameState::RandomizeFromClock() {
  RandSeed = session_seed ^ static_cast<u32>(static_cast<std::uint64_t>(clock_ms));
}

void GameState::CaptureScene(bool map) {
  Scene& s = scene;
  s.map = map;
  s.level = level;
  s.altitude = altitude;
  s.heading = heading;
  s.rotor_rpm = rotor_rpm;
  s.rotor_angle = rotor_angle;
  s.spray_size = spray_size;
  s.map_x = map_x;
  s.map_y = map_y;
  s.heli_screen_x = heli_screen_x;
  s.heli_screen_y = heli_screen_y;
  s.view_x = view_x;
  s.view_y = view_y;
  s.background_x = background_x;
  s.background_y = background_y;
  s.chair_out = chair_out;
  s.chair_len = chair_len;
  s.chair_loaded = chair_loaded;
  s.chair_x = chair_x;
  s.crashed = crashed;
  s.crash_tick = crash_tick;
  s.over_pad = over_pad;
  s.hit_flag = hit_flag;
  s.spin_angle = spin_angle;
  s.tile_count = tile_count;
  s.object_count = object_count;
  s.people_count = people_count;
  s.vortex_count = vortex_count;
  s.heli_count = heli_count;
  s.tiles = tiles;
  s.objects = objects;
  s.people = people;
  s.vortices = vortices;
  s.helis = helis;
}

}  // namespace heli
