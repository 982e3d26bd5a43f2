#include "world/map_view.h"

#include <algorithm>
#include <cmath>

#include "game/pictures.h"
#include "levels/level_tables.h"
#include "shell/form.h"
#include "world/helis.h"

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
// The chart in the list ostrovy; level pictures in poz.
constexpr int kChart = pic::ostrovy::kMapa;
constexpr int kLevel6IslandMark = pic::poz::kLevel6Mark;

// Truncation towards zero, kept within i32 so a runaway value cannot overflow.
i32 Trunc(double v) {
  return static_cast<i32>(std::clamp(std::trunc(v), -2.0e9, 2.0e9));
}

int Count(u8 count, int capacity) {
  return std::min<int>(count, capacity);
}

struct MapMarks {
  TForm1& g;
  // A mark at a map position: the world origin on the screen is the map's origin.
  void At(int picture, const media::ImageList& list, f32 mx, f32 my, int w, int h, int angle) {
    list.DrawRotated(g.DXDraw.BackSurface(), picture, Trunc(mx) + g.heli_screen_x,
                     Trunc(my) + g.heli_screen_y, w, h, 0.5, 0.5, angle, 255);
  }
};

// The world goes on under the map: the same scroll as in the flight view, so
// closing the map finds everything where it would have been.
void MoveWorld(TForm1& g) {
  const LevelParticulars level = ParticularsOf(g.level);
  for (int n = 1; n <= Count(g.object_count, g.objects.capacity); ++n) {
    WorldObject& o = g.objects.At(n);
    o.x += g.scroll_dx;
    o.y -= g.scroll_dy;
    if (level.drift != 0 && n == 5) {  // the drifting boat
      o.y += level.drift;
      o.my = static_cast<f32>(o.my + level.drift / 100.0);
    }
  }
  HelisTick(g);  // nothing of theirs is drawn while the map is shown
  for (int i = 1; i <= Count(g.people_count, g.people.capacity); ++i) {
    Person& p = g.people.At(i);
    p.x += g.scroll_dx;
    p.y -= g.scroll_dy;
    p.y += level.drift;
  }
  for (int i = 1; i <= Count(g.tile_count, g.tiles.capacity); ++i) {
    Tile& t = g.tiles.At(i);
    t.x += g.scroll_dx;
    t.y -= g.scroll_dy;
  }
}

void ObjectMarks(TForm1& g, MapMarks& mark) {
  for (int n = 1; n <= Count(g.object_count, g.objects.capacity); ++n) {
    const WorldObject& o = g.objects.At(n);
    if (n == 1) {
      mark.At(kFuelMark, g.vrt, o.mx, o.my, 25, 20, 0);
    } else if (n == 3) {
      mark.At(kBaseMark, g.vrt, o.mx, o.my, 25, 20, 0);
    } else if (n >= 5 && o.on_map == 1) {
      if (ParticularsOf(g.level).small_island_marks)
        mark.At(kLevel6IslandMark, g.poz, o.mx, o.my, 7, 7, 0);
      else
        mark.At(kIslandMark, g.vrt, o.mx, o.my, 12, 12, 0);
    }
  }
}

}  // namespace

void MapViewTick(TForm1& g) {
  MoveWorld(g);
  media::Surface& back = g.DXDraw.BackSurface();
  g.ostrovy.DrawImage(back, kChart, g.background_x, g.background_y);
  MapMarks mark{g};
  ObjectMarks(g, mark);
  if (const int overlay = ParticularsOf(g.level).map_overlay; overlay >= 0)
    g.poz.DrawImage(back, overlay, 170, 370);
  for (int i = 1; i <= Count(g.tile_count, g.tiles.capacity); ++i) {
    const Tile& t = g.tiles.At(i);
    mark.At(kTileMark, g.vrt, t.mx, t.my, 7, 7, 0);
  }
  for (int i = 1; i <= Count(g.heli_count, g.helis.capacity); ++i) {
    const Heli& h = g.helis.At(i);
    mark.At(kHeliMark, g.vrt, h.mx, h.my, 15, 30, h.heli_heading);
  }
  // The player's own mark adds the origin before truncating.
  g.vrt.DrawRotated(back, kPlayerMark,
                    Trunc(static_cast<f32>(static_cast<f32>(g.heli_screen_x) + g.map_x)),
                    Trunc(static_cast<f32>(static_cast<f32>(g.heli_screen_y) + g.map_y)), 15, 30,
                    0.5, 0.5, g.heading, 255);
  for (int i = 1; i <= Count(g.vortex_count, g.vortices.capacity); ++i) {
    Vortex& v = g.vortices.At(i);
    v.spin = static_cast<u8>(v.spin + 5);
    mark.At(kVortexMark, g.vrt, v.mx, v.my, 70, 70, v.spin);
  }
}

}  // namespace heli
