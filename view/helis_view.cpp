#include "view/helis_view.h"

#include <algorithm>

#include "game/pictures.h"
#include "view/flight_view.h"

namespace heli {

void DrawHelis(const Painter& p, const Scene& s) {
  const int count = std::min<int>(s.heli_count, s.helis.capacity);
  for (int i = 1; i <= count; ++i) {
    const Heli& h = s.helis.At(i);
    const int sx = s.heli_screen_x + h.x;
    const int sy = s.heli_screen_y + h.y;
    // A faint shadow up and to the right, then the body and its rotor.
    p.vrt.DrawRotated(p.Back(), pic::vrt::kStin, sx + 50, sy - 50, kBodyWidth, kBodyHeight,
                      kBodyCentreX, kBodyCentreY, h.heli_heading, 20);
    p.vrt.DrawRotated(p.Back(), pic::vrt::kVrtule, sx + 50, sy - 50, kRotorSize, kRotorSize, 0.5,
                      0.5, h.shown_rotor, 20);
    p.vrt.DrawRotated(p.Back(), pic::vrt::kVojVrtulnik, sx, sy, kBodyWidth, kBodyHeight,
                      kBodyCentreX, kBodyCentreY, h.heli_heading, 255);
    p.vrt.DrawRotated(p.Back(), pic::vrt::kVrtule, sx, sy, kRotorSize, kRotorSize, 0.5, 0.5,
                      h.shown_rotor, 255);
  }
}

}  // namespace heli
