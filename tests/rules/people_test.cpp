#include "world/people.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/rules/rescue_setup.h"
#include "tests/rules/rules_game.h"

namespace {

using heli::GameState;
using heli::Person;

struct PeopleTest : ::testing::Test {
  void SetUp() override {
    g = heli::testing::NewGame();
    heli::testing::EnterPlay(*g);
  }
  Person& AddPerson(int x, int y) {
    ++g->people_count;
    Person& p = g->people.At(g->people_count);
    p = Person{};
    p.x = x;
    p.y = y;
    p.fall_w = 35;
    p.fall_h = 24;
    return p;
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) heli::PeopleTick(*g);
  }
  std::unique_ptr<GameState> g;
};

TEST_F(PeopleTest, HoistBoxHasExclusiveBoundsAroundThePerson) {
  struct Case {
    int x, y;
    bool hoisted;
  };
  // The helicopter's point must lie strictly inside (x - 7, y - 7) .. (x + 10, y + 17).
  const Case cases[] = {{0, 0, true},    {6, 0, true},    {7, 0, false}, {-9, 0, true},
                        {-10, 0, false}, {0, 6, true},    {0, 7, false}, {0, -16, true},
                        {0, -17, false}, {-9, -16, true}, {6, 6, true},  {7, 7, false}};
  for (const Case& c : cases) {
    SetUp();
    Person& p = AddPerson(c.x, c.y);
    g->chair_out = 1;
    heli::PeopleTick(*g);
    EXPECT_EQ(p.aboard == 1, c.hoisted) << c.x << "," << c.y;
    EXPECT_EQ(g->free_seats, c.hoisted ? 3 : 4) << c.x << "," << c.y;
    EXPECT_EQ(g->chair_out, c.hoisted ? 0 : 1);
    EXPECT_EQ(g->chair_loaded, c.hoisted ? 1 : 0);
    EXPECT_EQ(g->sounds.Setting(heli::kVytah).starts, c.hoisted ? 1 : 0);
  }
}

TEST_F(PeopleTest, OfTwoInTheBoxTheLowerRecordGoesFirstAndTheOtherWaitsForTheChair) {
  Person& first = AddPerson(2, 3);
  Person& second = AddPerson(-1, 1);
  g->chair_out = 1;
  heli::PeopleTick(*g);
  EXPECT_EQ(first.aboard, 1);
  EXPECT_EQ(second.aboard, 0);

  heli::PeopleTick(*g);  // chair still loaded and wound up
  EXPECT_EQ(second.aboard, 0);

  g->chair_loaded = 0;  // wound in
  heli::PeopleTick(*g);
  EXPECT_EQ(second.aboard, 0);  // but not lowered again
  g->chair_out = 1;
  heli::PeopleTick(*g);
  EXPECT_EQ(second.aboard, 1);
  EXPECT_EQ(g->free_seats, 2);
  EXPECT_EQ(g->sounds.Setting(heli::kVytah).starts, 2);

  Person& third = AddPerson(0, 0);
  g->free_seats = 0;  // no room left
  g->chair_loaded = 0;
  g->chair_out = 1;
  heli::PeopleTick(*g);
  EXPECT_EQ(third.aboard, 0);
  EXPECT_EQ(g->chair_out, 1);
}

TEST_F(PeopleTest, LevelFourCountsOnlyTheFirstNineRecordsAsSpecialRescues) {
  g->level = 4;
  for (int i = 0; i < 10; ++i) AddPerson(5000, 5000);
  g->people.At(9).x = g->people.At(9).y = 0;
  g->chair_out = 1;
  heli::PeopleTick(*g);
  EXPECT_EQ(g->special_count, 1);

  g->people.At(10).x = g->people.At(10).y = 0;
  g->chair_loaded = 0;
  g->chair_out = 1;
  heli::PeopleTick(*g);
  EXPECT_EQ(g->people.At(10).aboard, 1);
  EXPECT_EQ(g->special_count, 1);
}

TEST_F(PeopleTest, PeopleScrollAndDriftWithTheBoatInLevelSix) {
  Person& p = AddPerson(100, 200);
  g->scroll_dx = 5;
  g->scroll_dy = 7;
  heli::PeopleTick(*g);
  EXPECT_EQ(p.x, 105);
  EXPECT_EQ(p.y, 193);
  g->level = 6;
  heli::PeopleTick(*g);
  EXPECT_EQ(p.x, 110);
  EXPECT_EQ(p.y, 189);
}

TEST_F(PeopleTest, WaitingPeopleAreHeardOnlyNearbyAndNeverOnTheBoat) {
  g->sounds.SetVolume(heli::kKasel, -5000);
  AddPerson(3000, 0);  // far
  Ticks(2000);
  EXPECT_EQ(g->sounds.Setting(heli::kHlas).starts, 0);
  EXPECT_EQ(g->sounds.Setting(heli::kKasel).volume, -5000);

  g->people.At(1).x = 449;  // the last pixel inside the near box
  Ticks(2000);
  EXPECT_GT(g->sounds.Setting(heli::kHlas).starts, 0);
  EXPECT_EQ(g->sounds.Setting(heli::kKasel).starts, 0);  // no coughing in level 1
  EXPECT_EQ(g->sounds.Setting(heli::kKasel).volume, -700);

  SetUp();
  g->level = 6;
  AddPerson(0, 0);
  Ticks(2000);
  EXPECT_EQ(g->sounds.Setting(heli::kHlas).starts, 0);
  EXPECT_EQ(g->sounds.Setting(heli::kKasel).starts, 0);

  SetUp();
  g->level = 2;
  AddPerson(0, 100);
  Ticks(8000);
  EXPECT_GT(g->sounds.Setting(heli::kKasel).starts, 0);
  EXPECT_GT(g->sounds.Setting(heli::kHlas).starts, 0);
}

TEST_F(PeopleTest, LevelTwoDoomedPersonRunsThirteenTicksThenFallsAndStays) {
  g->level = 2;
  Person& p = AddPerson(1000, 0);
  p.doomed = 1;
  Ticks(12);
  EXPECT_EQ(p.x, 1048);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(p.fall_w, 35);
  heli::PeopleTick(*g);  // the 13th tick both runs and falls
  EXPECT_EQ(p.x, 1053);
  EXPECT_EQ(p.y, -2);
  EXPECT_EQ(p.fall_w, 34);
  EXPECT_EQ(p.fall_h, 23);
  Ticks(12);
  EXPECT_EQ(p.fall_step, 25);
  EXPECT_EQ(p.x, 1065);
  EXPECT_EQ(p.y, -26);
  EXPECT_EQ(p.fall_w, 22);
  EXPECT_EQ(p.fall_h, 11);
  Ticks(20);  // the fall is over: only the mark remains
  EXPECT_EQ(p.fall_step, 25);
  EXPECT_EQ(p.x, 1065);
  EXPECT_EQ(p.y, -26);
  EXPECT_EQ(g->sounds.Setting(heli::kMrtvy).starts, 0);  // fell far away
}

TEST_F(PeopleTest, LevelTwoFallIsHeardOnceWhenItHappensNearby) {
  g->level = 2;
  Person& p = AddPerson(-100, 0);
  p.doomed = 1;
  Ticks(22);
  EXPECT_EQ(g->sounds.Setting(heli::kMrtvy).starts, 0);
  heli::PeopleTick(*g);
  EXPECT_EQ(g->sounds.Setting(heli::kMrtvy).starts, 1);
  Ticks(30);
  EXPECT_EQ(g->sounds.Setting(heli::kMrtvy).starts, 1);
}

TEST_F(PeopleTest, LevelFourDeathIsHeardOnceWhenTheHelicopterFirstComesNear) {
  g->level = 4;
  Person& p = AddPerson(2000, 0);
  p.doomed = 1;
  Ticks(10);
  EXPECT_EQ(g->sounds.Setting(heli::kMrtvy).starts, 0);
  EXPECT_EQ(p.fall_step, 0);
  g->scroll_dx = -1700;  // the helicopter flies over
  heli::PeopleTick(*g);
  g->scroll_dx = 0;
  Ticks(10);
  EXPECT_EQ(g->sounds.Setting(heli::kMrtvy).starts, 1);
  EXPECT_EQ(p.fall_step, 1);
  EXPECT_EQ(p.x, 300);
}

// ---- Unloading at the base.

struct UnloadTest : PeopleTest {
  void SetUp() override {
    PeopleTest::SetUp();
    heli::testing::PlaceObject(*g, 3, 13, -50, -60).landed_ok = 1;
    heli::testing::PlaceObject(*g, 4, 16, 50, -190, 1);
    g->altitude = 5;
    g->rotor_rpm = 2;
    g->endangered = 10;
    g->rescued = 0;
    g->wave14_volume = -7000;
    g->sounds.SetVolume(heli::kKroky, -7000);
    g->sounds.SetVolume(heli::kHudbaHra, -400);
  }
  void Unload(int n) {
    for (int i = 0; i < n; ++i) heli::BaseUnloadTick(*g);
  }
};

TEST_F(UnloadTest, LandingWithNobodyAboardDoesNothing) {
  Unload(600);
  EXPECT_EQ(g->sounds.Setting(heli::kFanfara).starts, 0);
  EXPECT_EQ(g->fanfare_played, 0);
  EXPECT_EQ(g->unloading, 0);
  EXPECT_EQ(g->rescued, 0);
  EXPECT_EQ(g->endangered, 10);
  EXPECT_EQ(g->sounds.Setting(heli::kKroky).volume, -7000);
  EXPECT_EQ(g->sounds.Setting(heli::kHudbaHra).volume, -400);
  EXPECT_EQ(g->unload_timer, 0);  // the timer runs down all the same
}

TEST_F(UnloadTest, FourAboardTakeFourTripsOneDeliveryEach) {
  g->free_seats = 0;
  g->unload_timer = 0;
  std::vector<int> deliveries;
  std::vector<int> unloading_before;
  int tick = 0;
  for (; tick < 1000 && g->free_seats < 4; ++tick) {
    const int rescued = g->rescued;
    const int unloading = g->unloading;
    heli::BaseUnloadTick(*g);
    if (tick == 0) {
      EXPECT_EQ(g->unloading, 1);
      EXPECT_EQ(g->unload_timer, 110);
      EXPECT_EQ(g->fanfare_played, 1);
      EXPECT_EQ(g->sounds.Setting(heli::kKroky).volume, -600);
      EXPECT_EQ(g->sounds.Setting(heli::kHudbaHra).volume, -7000);
    }
    if (g->rescued != rescued) {
      EXPECT_EQ(g->rescued, rescued + 1);
      deliveries.push_back(tick);
      unloading_before.push_back(unloading);
    }
  }
  ASSERT_EQ(deliveries.size(), 4u);
  EXPECT_EQ(deliveries[0], 137);  // the stretcher is back when the trip timer shows 20
  for (std::size_t i = 1; i < deliveries.size(); ++i)
    EXPECT_EQ(deliveries[i] - deliveries[i - 1], 165);  // one stretcher trip
  EXPECT_EQ(unloading_before, (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(g->unloading, 0);  // ends with the fourth
  EXPECT_EQ(g->endangered, 6);
  EXPECT_EQ(g->rescued, 4);
  EXPECT_EQ(g->endangered_label, 6);
  EXPECT_EQ(g->rescued_label, 4);
  EXPECT_EQ(g->sounds.Setting(heli::kKroky).volume, -7000);
  EXPECT_EQ(g->sounds.Setting(heli::kFanfara).starts, 1);  // the fanfare once per visit

  Unload(400);  // nobody left aboard: nothing more happens
  EXPECT_EQ(g->rescued, 4);
  EXPECT_EQ(g->unloading, 0);
}

TEST_F(UnloadTest, NoDeliveryWhileTheRotorIsNotIdle) {
  g->free_seats = 3;
  g->rotor_rpm = 3;
  Unload(400);
  EXPECT_EQ(g->rescued, 0);
  EXPECT_EQ(g->unloading, 0);
  EXPECT_EQ(g->fanfare_played, 0);

  g->rotor_rpm = 2;
  Unload(400);
  EXPECT_EQ(g->rescued, 1);
  EXPECT_EQ(g->free_seats, 4);
  EXPECT_EQ(g->endangered_label, 9);
  EXPECT_EQ(g->rescued_label, 1);
}

}  // namespace
