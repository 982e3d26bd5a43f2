#include "view/people_view.h"

#include <algorithm>

#include "game/pictures.h"

namespace heli {

namespace {

// The waving body: five pictures, four phases each; phase 0 shows none.
int BodyPicture(u8 phase) {
  if (phase >= 1 && phase <= 20) return pic::vrt::kPa1 + (phase - 1) / 4;
  return -1;
}

}  // namespace

void DrawPeople(const Painter& p, const Scene& s) {
  const int count = std::min<int>(s.people_count, s.people.capacity);
  const int ox = s.heli_screen_x, oy = s.heli_screen_y;
  for (int i = 1; i <= count; ++i) {
    const Person& d = s.people.At(i);
    if (d.shown & Person::kWaiting) {
      p.vrt.DrawImage(p.Back(), pic::vrt::kPastin, ox + d.x, oy + d.y - 2);
      if (const int body = BodyPicture(d.shown_phase); body >= 0)
        p.vrt.DrawImage(p.Back(), body, ox + d.x, oy + d.y);
    }
    if (d.shown & Person::kRunning)
      p.vrt.DrawRotated(p.Back(), pic::vrt::kPa5, ox + d.run_x, oy + d.run_y, 35, 24, 0.5, 0.5,
                        s.heading, 255);
    if (d.shown & Person::kFalling)
      p.vrt.DrawRotated(p.Back(), pic::vrt::kPada, ox + d.fall_x, oy + d.fall_y, d.shown_w,
                        d.shown_h, 0.5, 0.5, s.spin_angle * 4, 255);
    if (d.shown & Person::kMark)
      p.vrt.DrawRotated(p.Back(), pic::vrt::kSkvrna, ox + d.mark_x, oy + d.mark_y, 37, 27, 0.5, 0.5,
                        0, 255);
  }
}

}  // namespace heli
