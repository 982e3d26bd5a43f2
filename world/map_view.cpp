#include "world/map_view.h"

#include <algorithm>

#include "game/state.h"
#include "levels/level_tables.h"
#include "world/helis.h"

namespace heli {

namespace {

int Count(u8 count, int capacity) {
  return std::min<int>(count, capacity);
}

// The world goes on under the map: the same scroll as in the flight view, so
// closing the map finds everything where it would have been.
void MoveWorld(GameState& g) {
  const LevelParticulars& level = ParticularsOf(g.level);
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

}  // namespace

void MapViewTick(GameState& g) {
  MoveWorld(g);
  // The vortices' marks turn.
  for (int i = 1; i <= Count(g.vortex_count, g.vortices.capacity); ++i) {
    Vortex& v = g.vortices.At(i);
    v.spin = static_cast<u8>(v.spin + 5);
  }
}

}  // namespace heli
