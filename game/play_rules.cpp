#include "game/play_rules.h"

#include "game/chair.h"
#include "game/crash.h"
#include "game/flight.h"
#include "game/hud.h"
#include "game/landing.h"
#include "game/scenery.h"
#include "game/state.h"
#include "world/helis.h"
#include "world/map_view.h"
#include "world/objects.h"
#include "world/people.h"
#include "world/vortex.h"

namespace heli {

void PlayRules(GameState& g, const std::function<void()>& start_next_level) {
  if (g.altitude > 6) VortexEffectTick(g);
  if (g.map_shown != 0) {
    MapViewTick(g);
    g.CaptureScene(/*map=*/true);
    g.Timer1.Interval = 25;
    if (g.crashed != 0) g.map_shown = 0;
  }
  PadsTick(g);
  HazardsTick(g);
  if (g.level_done != 0) {
    g.map_shown = 0;
    start_next_level();
  }
  if (g.map_shown == 0) {
    ParticlesTick(g);
    g.scene.particles = g.particles;  // shown before they wrap round
    WrapParticles(g);
    g.Timer1.Interval = 2;
    RotorWashTick(g);
    ObjectsTick(g);
    TilesTick(g);
    PeopleTick(g);
    if (g.crashed == 0 || g.crash_tick <= 6) {
      ChairTick(g);
      HelisTick(g);
    }
    g.CaptureScene(/*map=*/false);
  }

  ApplyFlightControls(g);
  if (g.Held(stButton5)) ChairKey(g);
  HelpAndMapKeys(g);
  UpdateHeadIcons(g);
  DriftVortices(g);
  ComputeScroll(g);
  BlinkTick(g);
  if (g.key_lock > 0) --g.key_lock;
  UpdateFlightLimits(g);
  g.spin_angle = static_cast<u8>(g.spin_angle + 2);
  g.scene.crash = g.crashed != 0;
  if (g.crashed != 0) CrashTick(g);
}

}  // namespace heli
