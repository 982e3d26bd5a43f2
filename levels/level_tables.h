#pragma once
// The data of the nine levels: counts, clock settings, the tile grid, the fixed
// objects, the scenery objects and where the people stand.
#include <span>

#include "game/state.h"

namespace heli {

struct Point {
  i32 x = 0, y = 0;
};

// Tiles are laid on a grid filled row by row.
struct TileGrid {
  int per_row = 0;
  i32 x0 = 0, dx = 0, y0 = 0, dy = 0;
};

// One scenery object (record 5 on). A position relative to another record is
// added to that record's position; a picture choice of n adds random(n).
struct ObjectSpec {
  Point at;
  u8 image = 0;
  u8 tall = 0;
  u8 on_map = 0;
  u8 image_choices = 0;  // 0 = the picture as given
  int relative_to = 0;   // record number, 0 = absolute position
};

// A run of people: x = base x + random(x spread), y = base y + random(y spread),
// the base relative to a record when one is named. A spread of 0 draws nothing.
struct PeopleGroup {
  int count = 0;
  int relative_to = 0;  // record number, 0 = absolute position
  i32 x = 0, x_spread = 0;
  i32 y = 0, y_spread = 0;
};

struct LevelTable {
  u8 tile_count = 0;
  TileGrid grid;
  u8 heli_count = 0;
  u8 vortex_count = 0;
  u8 object_count = 0;
  u8 people_count = 0;
  i32 endangered = 0;
  bool timed = false;  // sets the clock values (shown only when clock_on)
  u8 clock_on = 0;
  u8 event_interval = 0;
  Point fuel_pad, fuel_building;  // the building relative to its pad
  Point base_pad, base_building;
  std::span<const ObjectSpec> scenery;  // records 5 on
  std::span<const PeopleGroup> people;
};

// The table of level 1 .. 9; null for any other level.
const LevelTable* FindLevelTable(int level);

}  // namespace heli
