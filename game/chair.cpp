#include "game/chair.h"

#include "game/state.h"

namespace heli {

namespace {

// Lowest altitude at which the chair may hang out.
constexpr i32 kChairAltitude = 15;

// The cable length changes on every fourth tick of movement.
bool ChairStep(GameState& g) {
  ++g.chair_tick;
  if (g.chair_tick <= 3) return false;
  g.chair_tick = 0;
  return true;
}

}  // namespace

void ChairKey(GameState& g) {
  g.sounds.Play(kVytah);
  // A press lowers a chair at rest and winds in one that has paid out past 3 steps.
  if (g.chair_out == 0 && g.chair_len < 2) {
    g.chair_len = 0;
    g.chair_out = 1;
  }
  if (g.chair_out == 1 && g.chair_len > 3) g.chair_out = 0;
}

void ChairTick(GameState& g) {
  if (g.altitude < kChairAltitude) {
    g.sounds.Stop(kVytah);
    g.chair_out = 0;
  }
  if (g.chair_out == 1) {
    // Paying out: the helicopter is held down to 15 and slowed to 5.
    if (g.altitude_max > kChairAltitude) --g.altitude_max;
    if (g.speed_max > 5) --g.speed_max;
    if (ChairStep(g)) ++g.chair_len;
    if (g.chair_len > 9) g.chair_len = 9;
  }
  if (g.chair_out == 0 && g.chair_len > 1) {
    // Winding in: the rotor's own limits come back.
    g.altitude_max = static_cast<u8>(2 * g.rotor_rpm);
    g.speed_max = g.rotor_rpm;
    if (ChairStep(g)) --g.chair_len;
    if (g.chair_len < 2) g.chair_loaded = 0;  // the person is aboard now
  }
  g.chair_x = g.chair_len + g.view_x + 10;
}

}  // namespace heli
