#include "view/screens_view.h"

#include "game/pictures.h"
#include "media/canvas.h"
#include "view/words.h"

namespace heli {

namespace {

// Where each button's lit picture lies, from the button's own position.
struct Offset {
  int dx, dy;
};
constexpr Offset kHighlight[4] = {{-69, -30}, {-65, -34}, {-65, -42}, {-69, -25}};

}  // namespace

namespace {

constexpr char kPresents[] = "KOVRA  PRESENT...";
constexpr char kWith[] = " ve spolupraci...";

}  // namespace

void PrepareIntroTexts(media::Canvas& c) {
  c.Font.Color = media::clRed;
  c.Font.Size = 15;
  c.PrepareText(kPresents);
  c.PrepareText(Tr(kWith));
}

void DrawIntro(const Painter& p, const GameState& s) {
  const i32 t = s.intro_tick;
  if (t > 259) p.ostrovy.DrawImage(p.Back(), pic::ostrovy::kIntro, 0, 0);
  if (t < 260) {
    p.display.FillSurface(0);
    // rotor_angle is still unused before play, so it serves as the logo's fade.
    p.ostrovy.DrawRotated(p.Back(), pic::ostrovy::kSoft, 50, 330, 709, 59, 0, 0, 0, s.rotor_angle);
    media::Canvas& c = p.Canvas();
    c.Brush.Style = media::BrushStyle::bsClear;
    c.Font.Color = media::clRed;
    c.Font.Size = 15;
    c.TextOut(250, 30, kPresents);
    if (t > 100) c.TextOut(250, 80, Tr(kWith));
    c.ReleaseCanvas();
  }
}

void DrawMenu(const Painter& p, const GameState& s, const std::string& note) {
  p.vrt.DrawImage(p.Back(), pic::vrt::kPozadiMenu, s.background_x, s.background_y);
  if (s.menu_hover >= 0 && s.menu_hover < 4) {
    const MenuButton& b = s.menu_buttons[s.menu_hover];
    const Offset o = kHighlight[s.menu_hover];
    p.vrt.DrawImage(p.Back(), b.image, b.x + o.dx, b.y + o.dy);
  }
  media::Canvas& c = p.Canvas();
  if (!note.empty()) {
    // Below the lowest band, where the background shows no button.
    c.Brush.Style = media::BrushStyle::bsClear;
    c.Font.Color = media::clRed;
    c.Font.Size = 15;
    c.TextOut(20, 565, Tr(note));
  }
  c.ReleaseCanvas();
}

void DrawLevelIntro(const Painter& p, const GameState& s) {
  if (s.level >= 1 && s.level <= 9)
    p.poz.DrawImage(p.Back(), pic::poz::kStartPicture[s.level], 0, 0);
}

}  // namespace heli
