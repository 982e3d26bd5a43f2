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

// A looping animation of one scenery record: frames first..last of poz, one
// frame every period ticks.
struct Animation {
  int record;
  u8 first, last, period;
};

// What sets a level apart beyond its layout. Every rule that differs from level
// to level reads it here instead of testing the level's number.
struct LevelParticulars {
  u8 picture_file = 1;  // the level picture file "levN.lta" it reads
  // Record 5 as a hazard: a fire (levels 2 and 4) or a drifting boat that shoots.
  enum class Hazard : u8 { None, Fire, Boat } hazard = Hazard::None;
  WaveId hazard_sound = kWaveCount;         // its looped sound, started with play
  i32 GameState::*hazard_volume = nullptr;  // that sound's remembered volume
  i32 fire_gust = 0;                        // a gust of the fire adds this to the speed
  bool fire_flickers = false;               // record 5 is drawn with the fire's flames
  i32 drift = 0;  // pixels per tick that record 5 and the people drift down the screen
  // How waiting people make themselves heard.
  enum class Voices : u8 { Call, CoughAndCall, Silent } voices = Voices::Call;
  // What the mission clock does to the person it dooms.
  enum class Doom : u8 { None, FleeAndFall, Die } doom = Doom::None;
  u8 clock_stop_people = 0;           // hoisting one of people 1 .. N counts towards
  u8 clock_stop_rescues = 0;          // stopping the clock after this many (0 = never)
  bool clears_special_count = false;  // the layout sets special_count to 0
  bool clears_frame_tick = false;     // the layout sets frame_tick to 0
  bool small_island_marks = false;    // the map marks scenery with the level's own picture
  int map_overlay = -1;               // a picture of the level's own laid over the map
  // Scenery records that animate (level 2 animates its fire on its own).
  std::span<const Animation> animations{};
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
  LevelParticulars particular;
};

// The table of level 1 .. 9; null for any other level.
const LevelTable* FindLevelTable(int level);

// The particulars of level 1 .. 9; for any other level, none (its people keep
// quiet, and its picture file is the one of its own number: see LevelFileOf).
const LevelParticulars& ParticularsOf(int level);

}  // namespace heli
