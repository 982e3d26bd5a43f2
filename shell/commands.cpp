#include "shell/commands.h"

#include "game/reset.h"
#include "shell/form.h"
#include "shell/level_flow.h"
#include "world/sound_bed.h"

namespace heli {

namespace {

void Escape(TForm1& g) {
  if (g.intro_running != 0) {
    // Skipping also stops drama, which the intro's own end leaves to finish.
    g.sounds.Play(kHMenu);
    g.sounds.Stop(kCiziVrtulnik);
    g.sounds.Stop(kDrama);
    g.intro_running = 0;
    g.in_menu = 1;
    g.level = 1;
    ResetGameState(g);
    g.game_started = 0;
    return;
  }
  if (g.level_intro != 0) {
    StartPlay(g);
    return;
  }
  // The help picture and the map are closed first; only a further Escape pauses.
  if (g.help_shown == 0 && g.map_shown == 0 && g.in_menu == 0) {
    g.in_menu = 1;
    StopGameSounds(g);
  }
  g.help_shown = 0;
  g.map_shown = 0;
}

}  // namespace

void down(TForm1& g, std::uint16_t key) {
  if (key == VK_ESCAPE) {
    Escape(g);
  } else if (key == VK_RETURN) {
    // Enter (and a controller's A or Start) chooses in the menu as a click does,
    // and leaves the level start screen as Escape does.
    if (g.in_menu != 0 && g.intro_running == 0)
      MenuChoice(g);
    else if (g.level_intro != 0 && g.intro_running == 0 && g.in_menu == 0)
      StartPlay(g);
  }
}

void klik(TForm1& g) {
  // menu_item was set from mouse_y by the last menu tick; the click's place is unused.
  if (g.in_menu != 0) MenuChoice(g);
}

void m_move(TForm1& g, int x, int y) {
  g.mouse_x = x;
  g.mouse_y = y;
  g.menu_by_keys = 0;  // the mouse chooses again
}

}  // namespace heli
