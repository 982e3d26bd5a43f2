#include "media/display_mode.h"

#include <gtest/gtest.h>

namespace {

using media::ChooseDisplayMode;
using media::DisplayMode;

TEST(DisplayMode, ExactModeWinsOverEverything) {
  std::vector<DisplayMode> modes{{1024, 768, 16}, {800, 600, 32}, {800, 600, 16}};
  EXPECT_EQ(ChooseDisplayMode(modes, {800, 600, 16}), (DisplayMode{800, 600, 16}));
}

TEST(DisplayMode, FallsBackToSmallestSameRatioModeWithTheSameBits) {
  std::vector<DisplayMode> modes{
      {1600, 1200, 16}, {1280, 720, 16}, {1024, 768, 16}, {1024, 768, 32}, {640, 480, 16}};
  EXPECT_EQ(ChooseDisplayMode(modes, {800, 600, 16}), (DisplayMode{1024, 768, 16}));
}

TEST(DisplayMode, OtherRatiosOnlyWhenNoSameRatioModeQualifies) {
  std::vector<DisplayMode> modes{{1920, 1080, 16}, {1280, 720, 16}, {1280, 1024, 32}};
  EXPECT_EQ(ChooseDisplayMode(modes, {800, 600, 16}), (DisplayMode{1280, 720, 16}));
}

TEST(DisplayMode, NoSixteenBitModeLargeEnoughMeansNone) {
  std::vector<DisplayMode> modes{{1920, 1080, 32}, {640, 480, 16}, {800, 500, 16}};
  EXPECT_FALSE(ChooseDisplayMode(modes, {800, 600, 16}).has_value());
  EXPECT_FALSE(ChooseDisplayMode({}, {800, 600, 16}).has_value());
}

}  // namespace
