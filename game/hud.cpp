#include "game/hud.h"

#include "game/state.h"

namespace heli {

void HelpAndMapKeys(GameState& g) {
  if (g.Held(stButton6)) {
    if (g.key_lock == 0 && g.help_shown == 0) {
      g.key_lock = 10;
      g.help_shown = 1;
      g.sounds.Play(kKlik);
    } else if (g.key_lock == 0 && g.help_shown != 0) {
      g.key_lock = 10;
      g.help_shown = 0;
      g.sounds.Play(kKlik);
    }
    g.map_shown = 0;
  }
  if (g.Held(stButton7)) {
    if (g.key_lock == 0 && g.map_shown == 0) {
      g.key_lock = 10;
      g.map_shown = 1;
      g.sounds.Play(kKlik);
    } else if (g.key_lock == 0 && g.map_shown == 1) {
      g.key_lock = 10;
      g.map_shown = 0;
      g.sounds.Play(kKlik);
    }
  }
}

void UpdateHeadIcons(GameState& g) {
  if (g.free_seats > 4) g.free_seats = 4;
  const int aboard = 4 - g.free_seats;
  for (int i = 0; i < 4; ++i) g.heads_shown[static_cast<std::size_t>(i)] = i < aboard;
}

void BlinkTick(GameState& g) {
  ++g.blink_tick;
  if (g.blink_tick == 15) g.blink_tick = 0;
}

}  // namespace heli
