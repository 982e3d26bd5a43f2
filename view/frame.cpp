#include "view/frame.h"

#include "view/flight_view.h"
#include "view/helis_view.h"
#include "view/hud_view.h"
#include "view/map_view.h"
#include "view/objects_view.h"
#include "view/people_view.h"
#include "view/screens_view.h"

namespace heli {

void DrawFlightView(const Painter& p, const Scene& s) {
  DrawSea(p, s);
  DrawParticles(p, s);
  DrawRotorWash(p, s);
  DrawObjects(p, s);
  DrawTiles(p, s);
  DrawPeople(p, s);
  // The helicopter goes with the explosion's first steps.
  if (s.crashed == 0 || s.crash_tick <= 6) {
    DrawHelicopterShadow(p, s);
    DrawChair(p, s);
    DrawHelicopterBody(p, s);
    DrawHelis(p, s);
  }
}

void PrepareFrames(const Painter& p) {
  // On a canvas of its own: the display's keeps the settings the frames leave.
  media::Canvas c;
  PrepareIntroTexts(c);
  PrepareTextOverlay(c);
  PrepareChairWarning(c);
  RememberHelicopterSprites(p);
}

void DrawPlayFrame(const Painter& p, const GameState& g) {
  DrawPlayFrame(p, g, g.scene);
}

void DrawPlayFrame(const Painter& p, const GameState& g, const Scene& scene) {
  if (scene.map)
    DrawMap(p, scene);
  else
    DrawFlightView(p, scene);
  DrawTextOverlay(p, g);
  DrawHelp(p, g);
  DrawClock(p, g);
  if (scene.crash) DrawCrash(p, scene);
}

}  // namespace heli
