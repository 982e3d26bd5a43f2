#include "shell/timers.h"

#include <gtest/gtest.h>

namespace {

using heli::TickClock;
using heli::Timer;

TEST(TickClock, IntervalsBecomeWholeStepsAtLeastOne) {
  TickClock c60(60);
  EXPECT_EQ(c60.StepsFor(2), 1);
  EXPECT_EQ(c60.StepsFor(25), 2);
  EXPECT_EQ(c60.StepsFor(2000), 120);
  EXPECT_EQ(c60.StepsFor(0), 1);
  TickClock c1000(1000);
  EXPECT_EQ(c1000.StepsFor(2), 2);
  EXPECT_EQ(c1000.StepsFor(25), 25);
}

TEST(TickClock, MainTicksFollowTheIntervalEachTickLeaves) {
  TickClock c(60);
  EXPECT_EQ(c.NextTickStep(), 0);
  c.TickDone(2);
  EXPECT_EQ(c.NextTickStep(), 1);
  c.TickDone(25);  // the map screen's slower interval
  EXPECT_EQ(c.NextTickStep(), 3);
  c.TickDone(2);
  EXPECT_EQ(c.NextTickStep(), 4);
}

TEST(TickClock, TwoSecondTimerFiresEveryIntervalAfterItWasEnabled) {
  TickClock c(60);
  Timer cass{2000, false};
  c.TrackCass(cass, 5);
  EXPECT_FALSE(c.CassDue(1000));
  cass.Enabled = true;
  c.TrackCass(cass, 10);
  EXPECT_FALSE(c.CassDue(129));
  ASSERT_TRUE(c.CassDue(130));
  EXPECT_EQ(*c.CassDue(130), 130);
  // Enabling it again while it runs does not restart it.
  c.TrackCass(cass, 100);
  EXPECT_EQ(*c.CassDue(130), 130);
  c.CassFired(cass);
  EXPECT_FALSE(c.CassDue(249));
  EXPECT_EQ(*c.CassDue(250), 250);
  cass.Enabled = false;
  c.TrackCass(cass, 200);
  EXPECT_FALSE(c.CassDue(100000));
}

}  // namespace
