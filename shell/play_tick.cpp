#include "shell/play_tick.h"

#include "game/play_rules.h"
#include "shell/form.h"
#include "shell/level_flow.h"
#include "view/frame.h"

namespace heli {

void PlayTick(TForm1& g) {
  PollInput(g);
  PlayRules(g, [&] { StartLevel(g); });
  DrawPlayFrame(g.Painter(), g);
  PresentFrame(g);
}

}  // namespace heli
