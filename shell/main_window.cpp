#include "shell/main_window.h"

#include "game/reset.h"
#include "levels/level_tables.h"
#include "shell/form.h"
#include "shell/play_tick.h"
#include "shell/screens.h"
#include "view/screens_view.h"

namespace heli {

void create(TForm1& g) {
  // The window itself is 798 x 598 as set here; the picture is always 800 x 600.
  g.spodni_menu.Top = 525;
  g.spodni_menu.Left = 0;
  g.DXDraw.Visible = true;
  InitialState(g);
}

void Timer1Timer(TForm1& g) {
  const Painter p = g.Painter();
  g.play_frame_shown = false;
  // The intro and the menu stand still while the display cannot draw; the level
  // start screen is drawn regardless (presenting then shows nothing).
  if (g.intro_running != 0) {
    if (g.DXDraw.ReadyToDraw()) {
      DrawIntro(p, g);
      IntroTick(g);
      PresentFrame(g);
    }
  } else if (g.in_menu != 0) {
    g.cursor = -21;
    if (g.DXDraw.ReadyToDraw()) {
      MenuTick(g);
      DrawMenu(p, g, g.level_error.empty() ? g.save_note : g.level_error);
      PresentFrame(g);
    }
  } else if (g.level_intro != 0) {
    LevelIntroTick(g);
    DrawLevelIntro(p, g);
    PresentFrame(g);
  } else if (g.DXDraw.ReadyToDraw()) {
    PlayTick(g);
    g.play_frame_shown = true;
  }
}

void cassTimer(TForm1& g) {
  const LevelParticulars& level = ParticularsOf(g.level);
  if (level.clock_stop_rescues != 0 && g.special_count == level.clock_stop_rescues) g.clock_on = 0;
  if (g.clock_on == 0 || g.crashed != 0) return;
  ++g.clock_ticks;
  if (g.clock_ticks == 253) g.crashed = 1;
  if (g.clock_ticks == g.next_event) {
    if (g.next_person >= 1 && g.next_person <= g.people.capacity)
      g.people.At(g.next_person).doomed = 1;
    g.next_event += g.event_interval;
    ++g.next_person;
  }
}

}  // namespace heli
