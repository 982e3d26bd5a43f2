#include "view/flight_view.h"

#include <algorithm>

#include "game/pictures.h"
#include "media/canvas.h"
#include "view/words.h"

namespace heli {

namespace {

// The sparkle picture (list ostrovy) for an animation phase; -1 shows nothing.
int SparklePicture(u8 phase) {
  if (phase == 0) return -1;
  if (phase <= 10) return pic::ostrovy::kVlny1;
  if (phase <= 17) return pic::ostrovy::kVlny2;
  if (phase <= 22) return pic::ostrovy::kVlny3;
  if (phase <= 24) return -1;
  if (phase <= 28) return pic::ostrovy::kVlny4;
  return -1;
}

constexpr char kChairWarning[] = "Záchranná židle VYSUNUTÁ !! ";

}  // namespace

void PrepareChairWarning(media::Canvas& c) {
  PrepareTextIn(c, 15, Tr(kChairWarning), {media::clBlack, media::clRed});
}

void DrawSea(const Painter& p, const Scene& s) {
  p.ostrovy.DrawImage(p.Back(), pic::ostrovy::kPozadi, s.background_x, s.background_y);
}

void DrawParticles(const Painter& p, const Scene& s) {
  for (int i = 0; i < s.particles.capacity; ++i) {
    const Particle& d = s.particles[i];
    if (const int picture = SparklePicture(d.phase); picture >= 0)
      p.ostrovy.DrawImage(p.Back(), picture, d.x, d.y);
  }
}

void DrawTiles(const Painter& p, const Scene& s) {
  const int count = std::min<int>(s.tile_count, s.tiles.capacity);
  for (int i = 0; i < count; ++i) {
    const Tile& t = s.tiles[i];
    p.ostrovy.DrawImage(p.Back(), t.image, t.x + s.heli_screen_x, t.y + s.heli_screen_y);
  }
}

void DrawRotorWash(const Painter& p, const Scene& s) {
  if (s.rotor_rpm <= 20 || s.crashed != 0) return;
  const int x0 = s.view_x + s.heli_screen_x;
  const int y0 = s.view_y + s.heli_screen_y;
  p.vrt.DrawRotated(p.Back(), pic::vrt::kVrtuleVoda, x0 - s.altitude, y0 + s.altitude, s.spray_size,
                    s.spray_size, 0.5, 0.5, s.rotor_angle, 255);
}

void DrawHelicopterShadow(const Painter& p, const Scene& s) {
  // The higher the helicopter, the farther off and fainter its shadow.
  const int x = s.view_x + s.heli_screen_x + s.altitude / 3;
  const int y = s.view_y + s.heli_screen_y - s.altitude / 3;
  const int alpha = 70 - s.altitude;
  p.vrt.DrawRotated(p.Back(), pic::vrt::kStin, x, y, kBodyWidth, kBodyHeight, kBodyCentreX,
                    kBodyCentreY, s.heading, alpha);
  p.vrt.DrawRotated(p.Back(), pic::vrt::kVrtule, x, y, kRotorSize, kRotorSize, 0.5, 0.5,
                    s.rotor_angle, alpha);
}

void DrawChair(const Painter& p, const Scene& s) {
  if (s.chair_len > 1) {
    const int x = s.chair_x + s.heli_screen_x - s.altitude;
    const int y = s.view_y + s.heli_screen_y + s.altitude;
    // The longer the cable, the farther below the helicopter and the smaller the chair.
    if (s.chair_loaded == 1) {
      p.vrt.DrawRotated(p.Back(), pic::vrt::kPa1, x, y, 40 - s.chair_len, 29 - s.chair_len, 0.5,
                        0.5, s.heading, 255);
    } else {
      p.vrt.DrawRotated(p.Back(), pic::vrt::kZidle, x, y, 17 - s.chair_len, 17 - s.chair_len, 0.5,
                        0.5, s.heading, 255);
    }
  }
  media::Canvas& c = p.Canvas();
  c.Pen.Color = media::clBlack;
  c.Pen.Width = 1;
  c.MoveTo(s.view_x + s.heli_screen_x - s.altitude, s.view_y + s.heli_screen_y + s.altitude);
  c.LineTo(s.chair_x + s.heli_screen_x - s.altitude, s.view_y + s.heli_screen_y + s.altitude + 2);
  if (s.chair_out == 1) {
    c.Brush.Style = media::BrushStyle::bsClear;
    c.Font.Size = 15;
    c.Font.Color = media::clBlack;
    c.TextOut(240, 40, Tr(kChairWarning));
    c.Font.Color = media::clRed;
    c.TextOut(241, 41, Tr(kChairWarning));
  }
  c.ReleaseCanvas();
}

void DrawHelicopterBody(const Painter& p, const Scene& s) {
  const int x = s.view_x + s.heli_screen_x - s.altitude;
  const int y = s.view_y + s.heli_screen_y + s.altitude;
  p.vrt.DrawRotated(p.Back(), pic::vrt::kVrtulnik, x, y, kBodyWidth, kBodyHeight, kBodyCentreX,
                    kBodyCentreY, s.heading, 255);
  p.vrt.DrawRotated(p.Back(), pic::vrt::kVrtule, x, y, kRotorSize, kRotorSize, 0.5, 0.5,
                    s.rotor_angle, 255);
}

void RememberHelicopterSprites(const Painter& p) {
  // The rotors turn many degrees a tick, through all 256 angles, and would need
  // working out anew every tick for the first few seconds of every level. A body
  // turns slowly: it is remembered at a heading once drawn there twice.
  p.vrt.RememberRotated(pic::vrt::kVrtule, kRotorSize, kRotorSize, 0.5, 0.5);
}

}  // namespace heli
