#include "shell/screens.h"

#include "game/pictures.h"
#include "game/reset.h"
#include "shell/form.h"

namespace heli {

namespace {

void HidePanels(TForm1& g) {
  g.bottom_panel_shown = false;
  g.rescued_panel_shown = false;
  g.endangered_panel_shown = false;
}

// Where each button's highlight picture lies, from the button's own position.
struct Offset {
  int dx, dy;
};
constexpr Offset kHighlight[4] = {{-69, -30}, {-65, -34}, {-65, -42}, {-69, -25}};

// The start picture of each level: an item of poz, from the file the level uses.

}  // namespace

void IntroTick(TForm1& g) {
  if (!g.DXDraw.ReadyToDraw()) return;  // the intro stands still with the display
  media::Surface& back = g.DXDraw.BackSurface();
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
  if (t > 259) g.ostrovy.DrawImage(back, pic::ostrovy::kIntro, 0, 0);

  if (t < 300) g.intro_volume += 15;
  if (t > 500) g.intro_volume -= 5;
  if (g.intro_volume > 0) g.intro_volume = 0;
  if (g.intro_volume < -7000) g.intro_volume = -7000;
  g.sounds.SetVolume(kCiziVrtulnik, g.intro_volume);

  if (t < 260) {
    g.DXDraw.FillSurface(0);
    // rotor_angle is still unused before play, so it serves as the logo's fade.
    g.ostrovy.DrawRotated(back, pic::ostrovy::kSoft, 50, 330, 709, 59, 0, 0, 0, g.rotor_angle);
    media::Canvas& c = g.DXDraw.SurfaceCanvas();
    c.Brush.Style = media::BrushStyle::bsClear;
    c.Font.Color = media::clRed;
    c.Font.Size = 15;
    c.TextOut(250, 30, "KOVRA  PRESENT...");
    if (t > 100) c.TextOut(250, 80, " ve spolupraci...");
    c.ReleaseCanvas();
    if (t > 200 && g.rotor_angle < 250) g.rotor_angle = static_cast<u8>(g.rotor_angle + 6);
  }

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
  PresentFrame(g);
}

void MenuTick(TForm1& g) {
  if (!g.DXDraw.ReadyToDraw()) return;
  // Up and Down as the previous tick's poll left them.
  if (g.DXInput1.State(media::stUp)) --g.menu_item;
  if (g.DXInput1.State(media::stDown)) ++g.menu_item;
  if (g.menu_item > 24) g.menu_item = 21;
  if (g.menu_item < 21) g.menu_item = 24;
  HidePanels(g);
  g.DXInput1.PollInput();

  media::Surface& back = g.DXDraw.BackSurface();
  g.vrt.DrawImage(back, pic::vrt::kPozadiMenu, g.background_x, g.background_y);
  for (int i = 0; i < 4; ++i) {
    const MenuButton& b = g.menu_buttons[i];
    if (b.y - 65 < g.mouse_y && g.mouse_y < b.y + 65) {
      g.menu_item = static_cast<u8>(21 + i);
      g.vrt.DrawImage(back, b.image, b.x + kHighlight[i].dx, b.y + kHighlight[i].dy);
    }
  }
  if (g.mouse_y > 555 || g.mouse_y < 35) g.menu_item = 0;

  media::Canvas& c = g.DXDraw.SurfaceCanvas();
  const std::string& note = g.level_error.empty() ? g.save_note : g.level_error;
  if (!note.empty()) {
    // Below the lowest band, where the background shows no button.
    c.Brush.Style = media::BrushStyle::bsClear;
    c.Font.Color = media::clRed;
    c.Font.Size = 15;
    c.TextOut(20, 565, note);
  }
  c.ReleaseCanvas();
  PresentFrame(g);
}

void LevelIntroTick(TForm1& g) {
  // Drawn whether or not the display is ready; Present then shows nothing.
  HidePanels(g);
  g.cass.Enabled = false;
  if (g.level >= 1 && g.level <= 9)
    g.poz.DrawImage(g.DXDraw.BackSurface(), pic::poz::kStartPicture[g.level], 0, 0);
  PresentFrame(g);
}

}  // namespace heli
