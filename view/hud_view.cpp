#include "view/hud_view.h"

#include "game/pictures.h"
#include "media/canvas.h"
#include "view/words.h"

namespace heli {

namespace {

constexpr char kHelp[] = "F1  Help";
constexpr char kVortexWarning[] = "POZOR NEBEZPEČÍ TAMROX!! ";

}  // namespace

void PrepareTextOverlay(media::Canvas& c) {
  PrepareTextIn(c, 10, kHelp, {media::clBlack, media::clYellow});
  PrepareTextIn(c, 13, Tr(kVortexWarning), {media::clBlack, media::clYellow});
}

void DrawTextOverlay(const Painter& p, const GameState& s) {
  media::Canvas& c = p.Canvas();
  c.Brush.Style = media::BrushStyle::bsClear;
  c.Font.Color = media::clBlack;
  c.Font.Size = 10;
  c.TextOut(700, 70, kHelp);
  c.Font.Color = media::clYellow;
  c.Font.Size = 10;
  c.TextOut(702, 72, kHelp);
  if (s.vortex_warning != 0 && s.blink_tick >= 1 && s.blink_tick <= 10) {
    c.Font.Size = 13;
    c.Brush.Style = media::BrushStyle::bsSolid;
    c.Brush.Color = media::clRed;
    c.Font.Color = media::clBlack;
    c.TextOut(240, 70, Tr(kVortexWarning));
    c.Font.Color = media::clYellow;
    c.TextOut(241, 71, Tr(kVortexWarning));
  }
  c.Font.Color = media::clRed;
  c.Font.Size = 15;
  c.ReleaseCanvas();
}

void DrawHelp(const Painter& p, const GameState& s) {
  if (s.map_shown == 0 && s.help_shown != 0)
    p.vrt.DrawImage(p.Back(), pic::vrt::kOvladani, 135, -5);
}

void DrawClock(const Painter& p, const GameState& s) {
  if (s.clock_on == 0) return;
  p.ostrovy.DrawImage(p.Back(), pic::ostrovy::kHodiny, 680, 150);
  p.ostrovy.DrawRotated(p.Back(), pic::ostrovy::kRaficka, 727, 197, 3, 43, 1.0, 1.0, s.clock_ticks,
                        255);
}

void DrawCrash(const Painter& p, const Scene& s) {
  p.vrt.DrawImage(p.Back(), pic::vrt::kSorry, 150, 100);
  // Six explosion pictures, five steps each.
  if (s.crash_tick >= 1 && s.crash_tick <= 30)
    p.vrt.DrawImage(p.Back(), pic::vrt::kVy1 + (s.crash_tick - 1) / 5,
                    s.view_x + s.heli_screen_x - 50, s.view_y + s.heli_screen_y - 50);
}

}  // namespace heli
