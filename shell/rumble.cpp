#include "shell/rumble.h"

#include <algorithm>

#include "game/sounds.h"
#include "shell/form.h"

namespace heli {

namespace {

constexpr int kPulseMs = 200;
constexpr int kFaintMs = 100;  // renewed every tick while it lasts

// The blows are the ones that make their own sound: the explosion that ends a
// flight and the boat's shot that hits.
bool BlowThisStep(const TForm1& f) {
  return std::any_of(
      f.sounds.Requests().begin(), f.sounds.Requests().end(), [](const SoundRequest& r) {
        return r.kind == SoundRequest::Kind::Play && (r.wave == kVybuch || r.wave == kVystrel);
      });
}

}  // namespace

void FollowRumble(TForm1& f) {
  ++f.rumble_steps;
  if (!f.rumble_on) return;
  if (BlowThisStep(f)) {
    f.DXInput1.Rumble(0xFFFF, 0xFFFF, kPulseMs);
    f.pulse_until_step = f.rumble_steps + kPulseMs * f.clock.Rate() / 1000;
    return;
  }
  const bool playing = f.intro_running == 0 && f.in_menu == 0 && f.level_intro == 0;
  if (playing && f.crashed == 0 && f.vortex_warning != 0 && f.rumble_steps >= f.pulse_until_step)
    f.DXInput1.Rumble(0x2000, 0x0800, kFaintMs);
}

}  // namespace heli
