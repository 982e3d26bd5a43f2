#include "game/chair.h"

#include "game/pictures.h"
#include "shell/form.h"

namespace heli {

namespace {

// Lowest altitude at which the chair may hang out.
constexpr i32 kChairAltitude = 15;

constexpr char kChairWarning[] = "Záchranná židle VYSUNUTÁ !! ";

// The cable length changes on every fourth tick of movement.
bool ChairStep(TForm1& g) {
  ++g.chair_tick;
  if (g.chair_tick <= 3) return false;
  g.chair_tick = 0;
  return true;
}

void DrawChair(TForm1& g) {
  const int x = g.chair_x + g.heli_screen_x - g.altitude;
  const int y = g.view_y + g.heli_screen_y + g.altitude;
  // The longer the cable, the farther below the helicopter and the smaller the chair.
  if (g.chair_loaded == 1) {
    g.vrt.DrawRotated(g.DXDraw.BackSurface(), pic::vrt::kPa1, x, y, 40 - g.chair_len,
                      29 - g.chair_len, 0.5, 0.5, g.heading, 255);
  } else {
    g.vrt.DrawRotated(g.DXDraw.BackSurface(), pic::vrt::kZidle, x, y, 17 - g.chair_len,
                      17 - g.chair_len, 0.5, 0.5, g.heading, 255);
  }
}

}  // namespace

void ChairKey(TForm1& g) {
  g.sounds.Play(kVytah);
  // A press lowers a chair at rest and winds in one that has paid out past 3 steps.
  if (g.chair_out == 0 && g.chair_len < 2) {
    g.chair_len = 0;
    g.chair_out = 1;
  }
  if (g.chair_out == 1 && g.chair_len > 3) g.chair_out = 0;
}

void ChairTick(TForm1& g) {
  if (g.altitude < kChairAltitude) {
    g.sounds.Stop(kVytah);
    g.chair_out = 0;
  }
  if (g.chair_out == 1) {
    // Paying out: the helicopter is held down to 15 and slowed to 5.
    if (g.altitude_max > kChairAltitude) --g.altitude_max;
    if (g.speed_max > 5) --g.speed_max;
    if (ChairStep(g)) ++g.chair_len;
    if (g.chair_len > 9) g.chair_len = 9;
  }
  if (g.chair_out == 0 && g.chair_len > 1) {
    // Winding in: the rotor's own limits come back.
    g.altitude_max = static_cast<u8>(2 * g.rotor_rpm);
    g.speed_max = g.rotor_rpm;
    if (ChairStep(g)) --g.chair_len;
    if (g.chair_len < 2) g.chair_loaded = 0;  // the person is aboard now
  }
  g.chair_x = g.chair_len + g.view_x + 10;
  if (g.chair_len > 1) DrawChair(g);

  media::Canvas& c = g.DXDraw.SurfaceCanvas();
  c.Pen.Color = media::clBlack;
  c.Pen.Width = 1;
  c.MoveTo(g.view_x + g.heli_screen_x - g.altitude, g.view_y + g.heli_screen_y + g.altitude);
  c.LineTo(g.chair_x + g.heli_screen_x - g.altitude, g.view_y + g.heli_screen_y + g.altitude + 2);
  if (g.chair_out == 1) {
    c.Brush.Style = media::BrushStyle::bsClear;
    c.Font.Size = 15;
    c.Font.Color = media::clBlack;
    c.TextOut(240, 40, kChairWarning);
    c.Font.Color = media::clRed;
    c.TextOut(241, 41, kChairWarning);
  }
  c.ReleaseCanvas();
}

}  // namespace heli
