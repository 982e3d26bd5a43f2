#include "world/objects.h"

#include <gtest/gtest.h>

#include "tests/rules/rules_game.h"

namespace {

using heli::GameState;
using heli::u8;

// A game with the four fixed objects in place and one endangered person, so the
// level does not end by itself.
std::unique_ptr<GameState> Playing(u8 level = 1) {
  auto g = heli::testing::NewGame();
  heli::testing::EnterPlay(*g);
  g->level = level;
  g->endangered = 1;
  const u8 images[4] = {17, 20, 13, 16};
  for (int n = 1; n <= 4; ++n) g->objects.At(n).image = images[n - 1];
  return g;
}

TEST(Objects, TheFourFixedObjectsAlwaysScrollTheRestOnlyWhenCounted) {
  auto g = Playing();
  g->object_count = 0;
  g->objects.At(5).x = 1000;
  g->scroll_dx = 3;
  g->scroll_dy = -4;
  heli::ObjectsTick(*g);
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(g->objects.At(n).x, 3) << n;
    EXPECT_EQ(g->objects.At(n).y, 4) << n;
  }
  EXPECT_EQ(g->objects.At(5).x, 1000);

  g->object_count = 6;
  heli::ObjectsTick(*g);
  EXPECT_EQ(g->objects.At(5).x, 1003);
  EXPECT_EQ(g->objects.At(6).y, 4);
  EXPECT_EQ(g->objects.At(7).y, 0);

  g->object_count = 255;  // more than the array holds
  heli::ObjectsTick(*g);
  EXPECT_EQ(g->objects.At(20).x, 3);
}

TEST(Objects, TheLevelEndsWhenNobodyIsLeft) {
  auto g = Playing();
  heli::ObjectsTick(*g);
  EXPECT_EQ(g->level_done, 0);
  g->endangered = 0;
  heli::ObjectsTick(*g);
  EXPECT_EQ(g->level_done, 1);

  // Only the base building (picture 16) decides it.
  auto h = Playing();
  h->endangered = 0;
  h->objects.At(4).image = 13;
  heli::ObjectsTick(*h);
  EXPECT_EQ(h->level_done, 0);
}

TEST(Objects, TheBaseFlagChangesEverySecondTickWithinFourToSeven) {
  auto g = Playing();
  g->objects.At(4).frame = 0;
  g->objects.At(4).tick = 0;
  const u8 want[] = {4, 5, 5, 6, 6, 7, 7, 4, 4, 5};
  for (u8 frame : want) {
    heli::ObjectsTick(*g);
    EXPECT_EQ(g->objects.At(4).frame, frame);
  }
  g->objects.At(4).frame = 200;
  heli::ObjectsTick(*g);
  EXPECT_EQ(g->objects.At(4).frame, 4);
}

TEST(Objects, PadLightsCountOnlyOverAFixedObject) {
  auto g = Playing();
  heli::ObjectsTick(*g);
  EXPECT_EQ(g->objects.At(1).tick, 0);
  EXPECT_EQ(g->objects.At(3).tick, 0);
  g->over_pad = 1;
  for (int tick = 1; tick <= 20; ++tick) {
    heli::ObjectsTick(*g);
    ASSERT_EQ(g->objects.At(1).tick, tick);
    ASSERT_EQ(g->objects.At(3).tick, tick);
  }
  heli::ObjectsTick(*g);  // the 21st tick starts the blink again
  EXPECT_EQ(g->objects.At(1).tick, 0);
  EXPECT_EQ(g->objects.At(3).tick, 0);
  EXPECT_EQ(g->objects.At(2).tick, 0);  // buildings have no light
}

struct AnimationCase {
  u8 level;
  int record;
  u8 first, last, period;
};

TEST(Objects, SceneryAnimationsByLevel) {
  const AnimationCase cases[] = {
      {1, 17, 13, 16, 3}, {3, 18, 13, 16, 3}, {5, 17, 13, 16, 3}, {9, 18, 13, 16, 3},
      {4, 5, 8, 12, 3},   {4, 6, 13, 16, 3},  {4, 9, 13, 16, 3},  {6, 5, 8, 12, 3},
      {8, 5, 0, 3, 5},    {8, 6, 4, 7, 3},    {8, 7, 8, 11, 3},   {8, 8, 12, 15, 3},
  };
  for (const AnimationCase& c : cases) {
    auto g = Playing(c.level);
    g->object_count = 18;
    heli::WorldObject& o = g->objects.At(c.record);
    o.image = c.first;
    o.tick = 0;
    const std::string what =
        "level " + std::to_string(c.level) + " record " + std::to_string(c.record);
    for (int round = 0; round < 2; ++round) {
      for (int frame = c.first; frame <= c.last; ++frame) {
        for (int t = 1; t < c.period; ++t) {
          heli::ObjectsTick(*g);
          ASSERT_EQ(o.image, frame) << what;
        }
        heli::ObjectsTick(*g);
        ASSERT_EQ(o.image, frame == c.last ? c.first : frame + 1) << what;
      }
    }
  }
}

TEST(Objects, RecordsOutsideTheTableKeepTheirPicture) {
  const AnimationCase still[] = {{7, 17, 13, 13, 0}, {7, 5, 8, 8, 0},   {1, 5, 9, 9, 0},
                                 {4, 10, 13, 13, 0}, {8, 9, 12, 12, 0}, {6, 6, 8, 8, 0}};
  for (const AnimationCase& c : still) {
    auto g = Playing(c.level);
    g->object_count = 18;
    g->objects.At(c.record).image = c.first;
    for (int t = 0; t < 20; ++t) heli::ObjectsTick(*g);
    EXPECT_EQ(g->objects.At(c.record).image, c.first)
        << "level " << int{c.level} << " record " << c.record;
  }
}

TEST(Objects, TheLevelTwoFireAndObjectStepEveryFiveTicks) {
  auto g = Playing(2);
  g->object_count = 5;
  g->special_frame = 0;  // not reset by the level start: brought into range on use
  g->frame_tick = 0;
  heli::WorldObject& o = g->objects.At(5);
  o.image = 11;
  for (int t = 1; t <= 4; ++t) heli::ObjectsTick(*g);
  EXPECT_EQ(g->special_frame, 19);
  EXPECT_EQ(o.image, 11);
  heli::ObjectsTick(*g);
  EXPECT_EQ(g->special_frame, 20);
  EXPECT_EQ(o.image, 12);
  EXPECT_EQ(g->frame_tick, 0);
  for (int t = 1; t <= 5; ++t) heli::ObjectsTick(*g);
  EXPECT_EQ(g->special_frame, 17);  // 20 wrapped to 16, then one step
  EXPECT_EQ(o.image, 8);            // past 12 back to 8
}

TEST(Objects, TheLevelSixBoatDriftsSouth) {
  auto g = Playing(6);
  g->object_count = 5;
  heli::WorldObject& boat = g->objects.At(5);
  boat.y = 100;
  boat.my = 1;
  g->scroll_dy = 2;
  for (int t = 0; t < 10; ++t) heli::ObjectsTick(*g);
  EXPECT_EQ(boat.y, 100 + 10 * (3 - 2));
  EXPECT_NEAR(boat.my, 1.3f, 1e-5);

  auto other = Playing(2);  // in any other level record 5 stays put
  other->object_count = 5;
  heli::ObjectsTick(*other);
  EXPECT_EQ(other->objects.At(5).y, 0);
  EXPECT_EQ(other->objects.At(5).my, 0);
}

}  // namespace
