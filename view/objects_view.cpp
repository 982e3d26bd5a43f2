#include "view/objects_view.h"

#include <algorithm>
#include <iterator>

#include "game/pictures.h"
#include "levels/level_tables.h"

namespace heli {

namespace {

using namespace pic::ostrovy;

// The stretcher's picture for a value of the trip timer: it walks out empty and
// comes back loaded; -1 = not drawn.
int StretcherPicture(i32 t) {
  static constexpr int kEmpty1[] = {58, 62, 68, 72, 76, 80, 84, 88, 92, 96, 100};
  static constexpr int kEmpty2[] = {52, 56, 60, 64, 66, 70, 74, 78, 82, 86, 90, 94, 98};
  auto has = [t](const auto& list) {
    return std::find(std::begin(list), std::end(list), t) != std::end(list);
  };
  if (has(kEmpty1)) return kNositkaPrazdne1;
  if (has(kEmpty2)) return kNositkaPrazdne2;
  if (t >= 16 && t <= 50 && t % 4 == 2) return kNositkaPlne1;
  if (t >= 16 && t <= 48 && t % 4 == 0) return kNositkaPlne2;
  return -1;
}

// The stretcher and the canopy in front of the base building at (bx, by).
void DrawBaseFront(const Painter& p, const Scene& s, int bx, int by) {
  const i32 t = s.drawn_unload_timer;
  if (const int picture = StretcherPicture(t); picture >= 0) {
    const int x = picture <= kNositkaPrazdne2 ? bx + t - 94 : bx - t + 24;
    p.ostrovy.DrawRotated(p.Back(), picture, x, by + 180, 40, 20, 0.5, 0.5, 0, 255);
  }
  p.ostrovy.DrawImage(p.Back(), kStriska, bx + 10, by + 165);
}

// A pad's light shows on 10 ticks of 21 while the helicopter is over a fixed
// object: green when it stands correctly on this pad, else red.
void DrawPadLight(const Painter& p, const WorldObject& o, int sx, int sy, int green, int red) {
  if (o.tick >= 1 && o.tick <= 10)
    p.ostrovy.DrawImage(p.Back(), o.landed_ok != 0 ? green : red, sx, sy);
}

void DrawFixedObject(const Painter& p, const Scene& s, const WorldObject& o) {
  const int sx = s.heli_screen_x + o.x;
  const int sy = s.heli_screen_y + o.y;
  if (o.image == kZaklNulova || o.image == kBenzin0)
    p.ostrovy.DrawImage(p.Back(), kTrava1, sx - 60, sy - 50);
  p.ostrovy.DrawImage(p.Back(), o.image, sx, sy);
  if (o.image == kZaklNulova && s.over_pad != 0)
    DrawPadLight(p, o, sx, sy, kZaklZelena, kZaklCervena);
  if (o.image == kZakladna2) {
    DrawBaseFront(p, s, sx, sy);
    p.ostrovy.DrawImage(p.Back(), o.frame, sx + 50, sy + 60);  // the flag
  }
  if (o.image == kBenzin0 && s.over_pad != 0)
    DrawPadLight(p, o, sx, sy, kBenzinZeleny, kBenzinCerveny);
}

void DrawScenery(const Painter& p, const Scene& s, const LevelParticulars& level, int n) {
  const WorldObject& o = s.objects.At(n);
  const int sx = s.heli_screen_x + o.x;
  const int sy = s.heli_screen_y + o.y;
  if (level.fire_flickers && n == 5) {  // the flames, then the object as it burnt a moment ago
    p.poz.DrawImage(p.Back(), s.drawn_flame, sx - 40, sy - 40);
    p.poz.DrawImage(p.Back(), s.drawn_fire_image, sx, sy);
  }
  p.poz.DrawImage(p.Back(), o.image, sx, sy);
  if (level.hazard == LevelParticulars::Hazard::Boat && n == 5 && s.hit_flag != 0)
    p.poz.DrawImage(p.Back(), pic::poz::kLevel6Shot, sx + 70, sy + 160);
}

}  // namespace

void DrawObjects(const Painter& p, const Scene& s) {
  for (int n = 1; n <= 4; ++n) DrawFixedObject(p, s, s.objects.At(n));
  const LevelParticulars& level = ParticularsOf(s.level);
  const int count = std::min<int>(s.object_count, s.objects.capacity);
  for (int n = 5; n <= count; ++n) DrawScenery(p, s, level, n);
}

}  // namespace heli
