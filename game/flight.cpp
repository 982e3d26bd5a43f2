#include "game/flight.h"

#include "game/pictures.h"
#include "game/state.h"

namespace heli {

namespace {

constexpr int kGaugeFull = 150;
constexpr int kGaugeCut = 160;

// The rotor loop's pitch follows the key, between 10000 and 30000 Hz.
void RaiseRotorSound(GameState& g) {
  g.rotor_sound_freq += 1000;
  if (g.rotor_sound_freq > 30000) g.rotor_sound_freq = 30000;
  g.sounds.SetFrequency(kHelik, g.rotor_sound_freq);
}

void LowerRotorSound(GameState& g) {
  g.rotor_sound_freq -= 1000;
  if (g.rotor_sound_freq < 10000) g.rotor_sound_freq = 10000;
  g.sounds.SetFrequency(kHelik, g.rotor_sound_freq);
}

struct Vector {
  i32 dx, dy;
};

// The world's shift for one heading sector; s is the speed (may be negative).
Vector HeadingVector(u8 heading, i32 s) {
  if (heading <= 5) return {0, -s};
  if (heading <= 15) return {-(s / 3), -s};
  if (heading <= 45) return {-(s / 2), -s};  // 16..30 and 31..45 fly alike
  if (heading <= 56) return {-s, -(s / 2)};
  if (heading <= 70) return {-s, 0};
  if (heading <= 85) return {-s, s / 3};
  if (heading <= 100) return {-s, s / 2};
  if (heading <= 112) return {-(s / 2), s};
  if (heading <= 132) return {0, s};
  if (heading <= 145) return {s / 3, s};
  if (heading <= 160) return {s / 2, s};
  if (heading <= 175) return {s, s / 2};
  if (heading <= 185) return {s, s / 3};
  if (heading <= 193) return {s, 0};
  if (heading <= 210) return {s, -(s / 3)};
  if (heading <= 226) return {s, -(s / 2)};
  if (heading <= 243) return {s / 2, -s};
  return {s / 3, -s};
}

void Crash(GameState& g) {
  g.map_shown = 0;  // the crash is seen in the flight view
  g.crashed = 1;
}

int CutGauge(int width) {
  return width > kGaugeCut ? kGaugeFull : width;
}

}  // namespace

void ApplyFlightControls(GameState& g) {
  if (g.Held(stUp)) {
    if (g.altitude < g.altitude_max) ++g.altitude;
    if (g.altitude > 8) {
      // Climbing away from the base ends the fanfare.
      g.fanfare_played = 0;
      g.sounds.SetVolume(kHudbaHra, -400);
    }
  }
  if (g.Held(stDown) && g.altitude > 5) --g.altitude;
  // Too low to bank the rotor: no turning near the ground.
  if (g.Held(stLeft) && g.altitude > 7) g.heading = static_cast<u8>(g.heading - 2);
  if (g.Held(stRight) && g.altitude > 7) g.heading = static_cast<u8>(g.heading + 2);
  if (g.Held(stButton1) && g.speed < g.speed_max) ++g.speed;
  if (g.Held(stButton2) && g.speed > 0) --g.speed;
  if (g.Held(stButton3) && g.unloading == 0) {
    if (g.rotor_rpm < g.rotor_rpm_max) ++g.rotor_rpm;
    RaiseRotorSound(g);
  }
  if (g.Held(stButton4)) {
    if (g.rotor_rpm > 2) --g.rotor_rpm;
    LowerRotorSound(g);
  }
}

void ComputeScroll(GameState& g) {
  const Vector v = HeadingVector(g.heading, g.speed);
  g.scroll_dx = v.dx;
  g.scroll_dy = v.dy;
  // The helicopter moves against the world; summed in double, kept in single precision.
  g.map_x = static_cast<f32>(static_cast<double>(g.map_x) - g.scroll_dx * 0.01);
  g.map_y = static_cast<f32>(static_cast<double>(g.map_y) + g.scroll_dy * 0.01);
}

void UpdateFlightLimits(GameState& g) {
  if (g.rotor_rpm > g.rotor_rpm_max) g.rotor_rpm = g.rotor_rpm_max;
  if (g.rotor_rpm < 1) g.rotor_rpm = 1;
  if (g.altitude < 5) g.altitude = 5;
  g.rotor_angle = static_cast<u8>(g.rotor_angle + g.rotor_rpm);

  // While the chair is out it lowers these limits itself.
  if (g.chair_out == 0) {
    g.altitude_max = static_cast<u8>(2 * g.rotor_rpm);
    g.speed_max = g.rotor_rpm;
  }
  if (g.free_seats < 3) g.speed_max = static_cast<u8>(g.rotor_rpm / 2);
  if (g.rotor_rpm < 5 || g.altitude < 10) {
    g.speed = 0;
    g.speed_max = 0;
  }
  if (g.speed > g.speed_max) g.speed = g.speed_max;
  if (g.altitude > g.altitude_max) g.altitude = g.altitude_max;

  for (i32* width : {&g.rotor_gauge, &g.altitude_gauge, &g.speed_gauge, &g.fuel})
    if (*width < 1) *width = 0;
  g.speed_gauge = CutGauge(g.speed_gauge);
  g.rotor_gauge = CutGauge(6 * g.rotor_rpm);
  g.altitude_gauge = CutGauge(3 * g.altitude);
  g.speed_gauge = g.speed < 4 ? 4 : 6 * g.speed;

  // Fuel is burnt only in the air, faster with a faster rotor.
  if (g.altitude > 6) g.fuel_tick += g.rotor_rpm / 4;
  if (g.altitude > 6 && g.fuel_tick > 600) {
    if (g.fuel > 0) --g.fuel;
    g.fuel_tick = 0;
  }
  if (g.fuel < 2) {
    g.rotor_rpm = static_cast<u8>(g.rotor_rpm - 1);
    if (g.rotor_rpm < 5) Crash(g);
  }

  if (g.map_y < -280 || g.map_y > 240 || g.map_x < -350 || g.map_x > 440) Crash(g);
}

void RotorWashTick(GameState& g) {
  if (g.rotor_rpm <= 20) return;
  g.spray_size = static_cast<u8>(g.spray_size + 5);
  if (g.spray_size > 120) g.spray_size = 80;
}

}  // namespace heli
