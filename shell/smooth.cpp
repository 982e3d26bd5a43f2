#include "shell/smooth.h"

#include "view/between.h"

namespace heli {

bool CanPresentBetween(const TForm1& g) {
  return g.play_frame_shown && !g.scene.map && !g.scene.crash && g.DXDraw.ReadyToDraw() &&
         g.clock.StepsFor(g.Timer1.Interval) == 1;
}

void PresentBetween(TForm1& g, double f) {
  DrawFrameBetween(g.Painter(), g, f);
  g.DXDraw.Present();
}

}  // namespace heli
