#include "levels/level_tables.h"

namespace heli {

namespace {

// The island levels (1, 3, 5, 7, 9): twelve tall islands of a random picture
// 8 .. 12, then two landing spots (poz 13) lying on two of them.
constexpr ObjectSpec Island(i32 x, i32 y) {
  return {{x, y}, 8, 1, 1, 5, 0};
}
constexpr ObjectSpec Spot(int island) {
  return {{50, 105}, 13, 0, 0, 0, island};
}

constexpr ObjectSpec kLevel1Objects[] = {Island(-10000, 15000),
                                         Island(-7000, 15000),
                                         Island(-4000, 15000),
                                         Island(-1000, 15000),
                                         Island(2000, 15000),
                                         Island(5000, 15000),
                                         Island(8000, 15000),
                                         Island(-10000, 18000),
                                         Island(-7000, 18000),
                                         Island(-4000, 18000),
                                         Island(-1000, 18000),
                                         Island(2000, 18000),
                                         Spot(5),
                                         Spot(7)};

constexpr ObjectSpec kLevel3Objects[] = {Island(-18000, -10000),
                                         Island(-10000, -10000),
                                         Island(-2000, -10000),
                                         Island(6000, -10000),
                                         Island(14000, -10000),
                                         Island(22000, -10000),
                                         Island(30000, -10000),
                                         Island(-10000, 0),
                                         Island(-2000, 0),
                                         Island(6000, 0),
                                         Island(14000, 0),
                                         Island(22000, 0),
                                         Spot(5),
                                         Spot(7)};

constexpr ObjectSpec kLevel5Objects[] = {Island(-10000, -10000),
                                         Island(-2000, -10000),
                                         Island(6000, -10000),
                                         Island(14000, -10000),
                                         Island(7000, 500),
                                         Island(15000, 500),
                                         Island(23000, 500),
                                         Island(-7000, 11000),
                                         Island(1000, 11000),
                                         Island(9000, 11000),
                                         Island(17000, 11000),
                                         Island(25000, 11000),
                                         Spot(10),
                                         Spot(12)};

constexpr ObjectSpec kLevel7Objects[] = {Island(-10000, -10000),
                                         Island(-2000, -10000),
                                         Island(6000, -10000),
                                         Island(14000, -10000),
                                         Island(-10000, 0),
                                         Island(-2000, 0),
                                         Island(6000, 0),
                                         Island(-10000, 10000),
                                         Island(-2000, 10000),
                                         Island(6000, 10000),
                                         Island(-10000, 20000),
                                         Island(-2000, 20000),
                                         Spot(8),
                                         Spot(13)};

constexpr ObjectSpec kLevel9Objects[] = {Island(-15000, -10000),
                                         Island(-7000, -10000),
                                         Island(1000, -10000),
                                         Island(9000, -10000),
                                         Island(2000, 500),
                                         Island(10000, 500),
                                         Island(18000, 500),
                                         Island(-5000, 11000),
                                         Island(3000, 11000),
                                         Island(11000, 11000),
                                         Island(19000, 11000),
                                         Island(27000, 11000),
                                         Spot(9),
                                         Spot(14)};

// People on the island levels wait in four groups beside the two landing spots.
constexpr PeopleGroup Beside(int count, int spot, i32 x) {
  return {count, spot, x, 0, -30, 120};
}

constexpr PeopleGroup kFourGroupsOf4[] = {Beside(4, 17, 80), Beside(4, 17, 0), Beside(4, 18, 80),
                                          Beside(4, 18, 0)};
constexpr PeopleGroup kFourGroupsOf3[] = {Beside(3, 17, 80), Beside(3, 17, 0), Beside(3, 18, 80),
                                          Beside(3, 18, 0)};
constexpr PeopleGroup kLevel9People[] = {Beside(2, 17, 80), Beside(2, 17, 0), Beside(2, 18, 80),
                                         Beside(3, 18, 0)};

constexpr ObjectSpec Fixed(i32 x, i32 y, u8 image, u8 tall, u8 on_map) {
  return {{x, y}, image, tall, on_map, 0, 0};
}

// Level 2: the burning object with its surroundings.
constexpr ObjectSpec kLevel2Objects[] = {
    Fixed(14970, -10680, 8, 0, 1),  Fixed(15400, -10800, 13, 0, 0), Fixed(15600, -10800, 13, 0, 0),
    Fixed(15800, -10800, 13, 0, 0), Fixed(16000, -10800, 13, 0, 0), Fixed(16200, -10800, 13, 0, 0),
    Fixed(14000, -10800, 13, 0, 0), Fixed(14200, -10800, 13, 0, 0), Fixed(14400, -10800, 13, 0, 0),
    Fixed(14850, -10330, 14, 0, 0), Fixed(14850, -10150, 14, 0, 0), Fixed(14850, -9970, 14, 0, 0),
    Fixed(14850, -11440, 15, 0, 0), Fixed(14850, -11260, 15, 0, 0), Fixed(14850, -11080, 15, 0, 0)};
constexpr PeopleGroup kLevel2People[] = {{30, 0, 15050, 30, -10600, 60}};

constexpr ObjectSpec kLevel4Objects[] = {
    Fixed(-10000, -100, 8, 1, 1), Fixed(15000, -15000, 13, 1, 1), Fixed(-18000, 15000, 13, 1, 1),
    Fixed(20000, 1000, 13, 1, 1), Fixed(15000, 15000, 13, 1, 1)};
constexpr PeopleGroup kLevel4People[] = {{9, 5, 55, 45, 130, 55},
                                         {4, 6, 55, 45, 130, 55},
                                         {3, 7, 55, 45, 130, 55},
                                         {3, 8, 55, 45, 130, 55}};  // nobody on record 9

// Level 6: the drifting boat.
constexpr ObjectSpec kLevel6Objects[] = {Fixed(-2000, -15000, 8, 0, 1)};
constexpr PeopleGroup kLevel6People[] = {{7, 0, -1945, 25, -14800, 35}};

constexpr ObjectSpec kLevel8Objects[] = {Fixed(-15000, 15000, 0, 1, 1),
                                         Fixed(-10000, 15000, 4, 1, 0), Fixed(0, 14500, 8, 1, 0),
                                         Fixed(5000, 15000, 12, 1, 0)};
constexpr PeopleGroup kLevel8People[] = {{9, 0, -14820, 45, 15100, 25},
                                         {2, 0, -9960, 20, 15010, 25},
                                         {5, 0, 60, 20, 14560, 25},
                                         {3, 0, 5050, 20, 15080, 80}};

constexpr TileGrid kWideGrid{21, -17000, 2200, -12000, 3400};
constexpr TileGrid kTallGrid{21, -17000, 2200, -12000, 5000};
constexpr TileGrid kSparseGrid{7, -23000, 8000, -15000, 3400};
constexpr TileGrid kLevel8Grid{7, -23000, 8000, -8000, 3400};

// Fuel and base buildings in their two placements relative to the pads.
constexpr Point kFuelBuildingHigh{100, -120}, kFuelBuildingLow{100, -80};
constexpr Point kBaseBuildingHigh{100, -130}, kBaseBuildingLow{105, -105};

constexpr Animation kIslandAnimations[] = {{17, 13, 16, 3}, {18, 13, 16, 3}};
constexpr Animation kLevel4Animations[] = {
    {5, 8, 12, 3}, {6, 13, 16, 3}, {7, 13, 16, 3}, {8, 13, 16, 3}, {9, 13, 16, 3}};
constexpr Animation kLevel6Animations[] = {{5, 8, 12, 3}};
constexpr Animation kLevel8Animations[] = {
    {5, 0, 3, 5}, {6, 4, 7, 3}, {7, 8, 11, 3}, {8, 12, 15, 3}};

const LevelTable kLevels[9] = {
    {168,
     kWideGrid,
     2,
     1,
     18,
     16,
     16,
     false,
     0,
     0,
     {-19000, -2080},
     kFuelBuildingHigh,
     {15000, -800},
     kBaseBuildingHigh,
     kLevel1Objects,
     kFourGroupsOf4,
     {.picture_file = 1, .animations = kIslandAnimations}},
    {168,
     kWideGrid,
     3,
     1,
     19,
     30,
     11,
     true,
     1,
     17,
     {25040, -250},
     kFuelBuildingLow,
     {1000, 3500},
     kBaseBuildingLow,
     kLevel2Objects,
     kLevel2People,
     {.picture_file = 2,
      .hazard = LevelParticulars::Hazard::Fire,
      .hazard_sound = kOhen,
      .hazard_volume = &GameState::level2_volume,
      .fire_gust = 3,
      .fire_flickers = true,
      .voices = LevelParticulars::Voices::CoughAndCall,
      .doom = LevelParticulars::Doom::FleeAndFall,
      .clears_frame_tick = true}},
    {120,
     kTallGrid,
     2,
     1,
     18,
     16,
     16,
     false,
     0,
     0,
     {-19000, -2080},
     kFuelBuildingHigh,
     {8000, 15000},
     kBaseBuildingHigh,
     kLevel3Objects,
     kFourGroupsOf4,
     {.picture_file = 1, .animations = kIslandAnimations}},
    {60,
     kSparseGrid,
     3,
     1,
     9,
     19,
     15,
     true,
     1,
     50,
     {12040, -2080},
     kFuelBuildingLow,
     {-5000, 15000},
     kBaseBuildingLow,
     kLevel4Objects,
     kLevel4People,
     {.picture_file = 4,
      .hazard = LevelParticulars::Hazard::Fire,
      .hazard_sound = kOhen,
      .hazard_volume = &GameState::level4_volume,
      .fire_gust = 2,
      .voices = LevelParticulars::Voices::CoughAndCall,
      .doom = LevelParticulars::Doom::Die,
      .clock_stop_people = 9,
      .clock_stop_rescues = 5,
      .clears_special_count = true,
      .animations = kLevel4Animations}},
    {120,
     kTallGrid,
     2,
     1,
     18,
     16,
     16,
     false,
     0,
     0,
     {-19000, -2080},
     kFuelBuildingHigh,
     {4000, 17000},
     kBaseBuildingHigh,
     kLevel5Objects,
     kFourGroupsOf4,
     {.picture_file = 1, .animations = kIslandAnimations}},
    {60,
     kSparseGrid,
     3,
     1,
     5,
     7,
     5,
     true,
     0,
     17,
     {-12040, -2080},
     kFuelBuildingLow,
     {10000, 1000},
     kBaseBuildingLow,
     kLevel6Objects,
     kLevel6People,
     {.picture_file = 6,
      .hazard = LevelParticulars::Hazard::Boat,
      .hazard_sound = kLodicka,
      .hazard_volume = &GameState::level6_volume,
      .drift = 3,
      .voices = LevelParticulars::Voices::Silent,
      .small_island_marks = true,
      .animations = kLevel6Animations}},
    {120,
     kTallGrid,
     2,
     1,
     18,
     12,
     12,
     false,
     0,
     0,
     {19000, 1000},
     kFuelBuildingHigh,
     {8000, 15000},
     kBaseBuildingHigh,
     kLevel7Objects,
     kFourGroupsOf3,
     {.picture_file = 1}},
    {40,
     kLevel8Grid,
     4,
     1,
     8,
     19,
     19,
     true,
     0,
     50,
     {12040, -2080},
     kFuelBuildingLow,
     {13000, 12000},
     kBaseBuildingLow,
     kLevel8Objects,
     kLevel8People,
     {.picture_file = 8,
      .clears_special_count = true,
      .map_overlay = 16,
      .animations = kLevel8Animations}},
    {120,
     kTallGrid,
     4,
     2,
     18,
     9,
     9,
     false,
     0,
     0,
     {-19000, -2080},
     kFuelBuildingHigh,
     {-14000, 17000},
     kBaseBuildingHigh,
     kLevel9Objects,
     kLevel9People,
     {.picture_file = 1, .animations = kIslandAnimations}},
};

}  // namespace

const LevelTable* FindLevelTable(int level) {
  if (level < 1 || level > 9) return nullptr;
  return &kLevels[level - 1];
}

const LevelParticulars& ParticularsOf(int level) {
  static constexpr LevelParticulars kNone{.picture_file = 0,
                                          .voices = LevelParticulars::Voices::Silent};
  const LevelTable* t = FindLevelTable(level);
  return t ? t->particular : kNone;
}

}  // namespace heli
