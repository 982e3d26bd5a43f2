#include "shell/screens.h"

#include "game/reset.h"
#include "shell/form.h"

namespace heli {

namespace {

void HidePanels(TForm1& g) {
  g.bottom_panel_shown = false;
  g.rescued_panel_shown = false;
  g.endangered_panel_shown = false;
}

}  // namespace

void IntroTick(TForm1& g) {
  const i32 t = g.intro_tick;

  if (t == 5) {
    g.intro_volume = -4000;
    g.sounds.SetLooped(kCiziVrtulnik, true);
    g.sounds.Play(kCiziVrtulnik);
  }
  if (t == 180) {
    g.sounds.SetFrequency(kDrama, 12000);
    g.sounds.Play(kDrama);
  }
  if (t == 255) g.sounds.Play(kStorm);

  if (t < 300) g.intro_volume += 15;
  if (t > 500) g.intro_volume -= 5;
  if (g.intro_volume > 0) g.intro_volume = 0;
  if (g.intro_volume < -7000) g.intro_volume = -7000;
  g.sounds.SetVolume(kCiziVrtulnik, g.intro_volume);

  // rotor_angle is still unused before play, so it serves as the logo's fade.
  if (t < 260 && t > 200 && g.rotor_angle < 250) g.rotor_angle = static_cast<u8>(g.rotor_angle + 6);

  ++g.intro_tick;
  if (g.intro_tick > 750) {
    g.sounds.Play(kHMenu);
    g.sounds.Stop(kCiziVrtulnik);
    g.intro_running = 0;
    g.in_menu = 1;
    g.level = 1;
    ResetGameState(g);
    g.game_started = 0;
  }
}

void MenuTick(TForm1& g) {
  // Up and Down as the previous tick's poll left them: a press moves the selection
  // one button (holding does not repeat); with none selected, Down takes the first
  // and Up the last.
  const bool up = g.Pressed(stUp), down = g.Pressed(stDown);
  if (up || down) {
    if (g.menu_item < 21 || g.menu_item > 24) {
      g.menu_item = down ? 21 : 24;
    } else {
      if (up) --g.menu_item;
      if (down) ++g.menu_item;
    }
    g.menu_by_keys = 1;
  }
  if (g.menu_item > 24) g.menu_item = 21;
  if (g.menu_item < 21) g.menu_item = 24;
  HidePanels(g);
  PollInput(g);

  if (g.menu_by_keys != 0) {
    // The selection shows lit as the mouse's band would light it.
    g.menu_hover = static_cast<i8>(g.menu_item - 21);
    return;
  }
  // The button whose band the mouse is in is chosen (and shown lit).
  g.menu_hover = -1;
  for (int i = 0; i < 4; ++i) {
    const MenuButton& b = g.menu_buttons[i];
    if (b.y - 65 < g.mouse_y && g.mouse_y < b.y + 65) {
      g.menu_item = static_cast<u8>(21 + i);
      g.menu_hover = static_cast<i8>(i);
    }
  }
  if (g.mouse_y > 555 || g.mouse_y < 35) g.menu_item = 0;
}

void LevelIntroTick(TForm1& g) {
  HidePanels(g);
  g.cass.Enabled = false;
}

}  // namespace heli
