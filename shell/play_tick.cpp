#include "shell/play_tick.h"

#include "game/chair.h"
#include "game/flight.h"
#include "game/landing.h"
#include "game/scenery.h"
#include "shell/form.h"
#include "shell/hud.h"
#include "shell/level_flow.h"
#include "view/flight_view.h"
#include "view/helis_view.h"
#include "view/hud_view.h"
#include "view/map_view.h"
#include "view/objects_view.h"
#include "view/people_view.h"
#include "world/helis.h"
#include "world/map_view.h"
#include "world/objects.h"
#include "world/people.h"
#include "world/vortex.h"

namespace heli {

void PlayTick(TForm1& g) {
  const Painter p = g.Painter();
  PollInput(g);
  if (g.altitude > 6) VortexEffectTick(g);
  if (g.map_shown != 0) {
    MapViewTick(g);
    DrawMap(p, g);
    g.Timer1.Interval = 25;
    if (g.crashed != 0) g.map_shown = 0;
  }
  PadsTick(g);
  HazardsTick(g);
  if (g.level_done != 0) {
    g.map_shown = 0;
    StartLevel(g);
  }
  if (g.map_shown == 0) {
    DrawSea(p, g);
    ParticlesTick(g);
    DrawParticles(p, g);
    WrapParticles(g);
    g.Timer1.Interval = 2;
    RotorWashTick(g);
    DrawRotorWash(p, g);
    ObjectsTick(g);
    DrawObjects(p, g);
    TilesTick(g);
    DrawTiles(p, g);
    PeopleTick(g);
    DrawPeople(p, g);
    if (g.crashed == 0 || g.crash_tick <= 6) {
      DrawHelicopterShadow(p, g);
      ChairTick(g);
      DrawChair(p, g);
      DrawHelicopterBody(p, g);
      if (g.map_shown == 0) {
        HelisTick(g);
        DrawHelis(p, g);
      }
    }
  }

  ApplyFlightControls(g);
  if (g.Held(stButton5)) ChairKey(g);
  HelpAndMapKeys(g);
  UpdateHeadIcons(g);
  DriftVortices(g);
  ComputeScroll(g);
  BlinkTick(g);
  DrawTextOverlay(p, g);
  if (g.key_lock > 0) --g.key_lock;
  UpdateFlightLimits(g);
  g.spin_angle = static_cast<u8>(g.spin_angle + 2);
  DrawHelp(p, g);
  DrawClock(p, g);
  if (g.crashed != 0) {
    DrawCrash(p, g);
    CrashTick(g);
  }
  PresentFrame(g);
}

}  // namespace heli
