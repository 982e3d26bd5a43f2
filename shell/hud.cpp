#include "shell/hud.h"

#include "game/pictures.h"
#include "shell/form.h"

namespace heli {

void HelpAndMapKeys(TForm1& g) {
  if (g.DXInput1.State(media::stButton6)) {
    if (g.key_lock == 0 && g.help_shown == 0) {
      g.key_lock = 10;
      g.help_shown = 1;
      g.sounds.Play(kKlik);
    } else if (g.key_lock == 0 && g.help_shown != 0) {
      g.key_lock = 10;
      g.help_shown = 0;
      g.sounds.Play(kKlik);
    }
    g.map_shown = 0;
  }
  if (g.DXInput1.State(media::stButton7)) {
    if (g.key_lock == 0 && g.map_shown == 0) {
      g.key_lock = 10;
      g.map_shown = 1;
      g.sounds.Play(kKlik);
    } else if (g.key_lock == 0 && g.map_shown == 1) {
      g.key_lock = 10;
      g.map_shown = 0;
      g.sounds.Play(kKlik);
    }
  }
}

void UpdateHeadIcons(TForm1& g) {
  if (g.free_seats > 4) g.free_seats = 4;
  const int aboard = 4 - g.free_seats;
  for (int i = 0; i < 4; ++i) g.heads_shown[static_cast<std::size_t>(i)] = i < aboard;
}

void TextOverlay(TForm1& g) {
  media::Canvas& c = g.DXDraw.SurfaceCanvas();
  c.Brush.Style = media::BrushStyle::bsClear;
  c.Font.Color = media::clBlack;
  c.Font.Size = 10;
  c.TextOut(700, 70, "F1  Help");
  c.Font.Color = media::clYellow;
  c.Font.Size = 10;
  c.TextOut(702, 72, "F1  Help");
  ++g.blink_tick;
  if (g.blink_tick == 15) g.blink_tick = 0;
  if (g.vortex_warning != 0 && g.blink_tick >= 1 && g.blink_tick <= 10) {
    c.Font.Size = 13;
    c.Brush.Style = media::BrushStyle::bsSolid;
    c.Brush.Color = media::clRed;
    c.Font.Color = media::clBlack;
    c.TextOut(240, 70, "POZOR NEBEZPEČÍ TAMROX!! ");
    c.Font.Color = media::clYellow;
    c.TextOut(241, 71, "POZOR NEBEZPEČÍ TAMROX!! ");
  }
  c.Font.Color = media::clRed;
  c.Font.Size = 15;
  c.ReleaseCanvas();
}

void DrawClock(TForm1& g) {
  media::Surface& back = g.DXDraw.BackSurface();
  g.ostrovy.DrawImage(back, pic::ostrovy::kHodiny, 680, 150);
  g.ostrovy.DrawRotated(back, pic::ostrovy::kRaficka, 727, 197, 3, 43, 1.0, 1.0, g.clock_ticks,
                        255);
}

}  // namespace heli
