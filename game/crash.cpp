#include "game/crash.h"

#include "game/reset.h"
#include "game/state.h"
#include "levels/layout.h"
#include "world/sound_bed.h"

namespace heli {

void CrashTick(GameState& g) {
  g.map_shown = 0;
  g.sounds.Stop(kHelik);
  if (g.crash_tick == 1) g.sounds.Play(kVybuch);
  ++g.crash_tick;
  if (g.crash_tick == 150) {
    g.crashed = 0;
    g.crash_tick = 1;
    ResetGameState(g);
    LayoutLevel(g);
    g.in_menu = 1;
    StopGameSounds(g);
  }
}

}  // namespace heli
