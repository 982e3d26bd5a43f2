#include "view/map_view.h"

#include <algorithm>
#include <cmath>

#include "game/pictures.h"
#include "levels/level_tables.h"

namespace heli {

namespace {

// Pictures of the marks in the list vrt.
constexpr int kIslandMark = pic::vrt::kSOstrov;
constexpr int kFuelMark = pic::vrt::kSPalivo;
constexpr int kBaseMark = pic::vrt::kSZakladna;
constexpr int kPlayerMark = pic::vrt::kSVrt;
constexpr int kVortexMark = pic::vrt::kSTamrox;
constexpr int kHeliMark = pic::vrt::kSVrtBoj;
constexpr int kTileMark = pic::vrt::kZelenyStrov;

// Truncation towards zero, kept within i32 so a runaway value cannot overflow.
i32 Trunc(double v) {
  return static_cast<i32>(std::clamp(std::trunc(v), -2.0e9, 2.0e9));
}

int Count(u8 count, int capacity) {
  return std::min<int>(count, capacity);
}

struct MapMarks {
  const Painter& p;
  const Scene& s;
  // A mark at a map position: the world origin on the screen is the map's origin.
  void At(int picture, media::ImageList& list, f32 mx, f32 my, int w, int h, int angle) const {
    list.DrawRotated(p.Back(), picture, Trunc(mx) + s.heli_screen_x, Trunc(my) + s.heli_screen_y, w,
                     h, 0.5, 0.5, angle, 255);
  }
};

void ObjectMarks(const Painter& p, const Scene& s, const MapMarks& mark) {
  const bool small_islands = ParticularsOf(s.level).small_island_marks;
  for (int n = 1; n <= Count(s.object_count, s.objects.capacity); ++n) {
    const WorldObject& o = s.objects.At(n);
    if (n == 1) {
      mark.At(kFuelMark, p.vrt, o.mx, o.my, 25, 20, 0);
    } else if (n == 3) {
      mark.At(kBaseMark, p.vrt, o.mx, o.my, 25, 20, 0);
    } else if (n >= 5 && o.on_map == 1) {
      if (small_islands)
        mark.At(pic::poz::kLevel6Mark, p.poz, o.mx, o.my, 7, 7, 0);
      else
        mark.At(kIslandMark, p.vrt, o.mx, o.my, 12, 12, 0);
    }
  }
}

}  // namespace

void DrawMap(const Painter& p, const Scene& s) {
  p.ostrovy.DrawImage(p.Back(), pic::ostrovy::kMapa, s.background_x, s.background_y);
  const MapMarks mark{p, s};
  ObjectMarks(p, s, mark);
  if (const int overlay = ParticularsOf(s.level).map_overlay; overlay >= 0)
    p.poz.DrawImage(p.Back(), overlay, 170, 370);
  for (int i = 1; i <= Count(s.tile_count, s.tiles.capacity); ++i) {
    const Tile& t = s.tiles.At(i);
    mark.At(kTileMark, p.vrt, t.mx, t.my, 7, 7, 0);
  }
  for (int i = 1; i <= Count(s.heli_count, s.helis.capacity); ++i) {
    const Heli& h = s.helis.At(i);
    mark.At(kHeliMark, p.vrt, h.mx, h.my, 15, 30, h.heli_heading);
  }
  // The player's own mark adds the origin before truncating.
  p.vrt.DrawRotated(p.Back(), kPlayerMark,
                    Trunc(static_cast<f32>(static_cast<f32>(s.heli_screen_x) + s.map_x)),
                    Trunc(static_cast<f32>(static_cast<f32>(s.heli_screen_y) + s.map_y)), 15, 30,
                    0.5, 0.5, s.heading, 255);
  for (int i = 1; i <= Count(s.vortex_count, s.vortices.capacity); ++i) {
    const Vortex& v = s.vortices.At(i);
    mark.At(kVortexMark, p.vrt, v.mx, v.my, 70, 70, v.spin);
  }
}

}  // namespace heli
