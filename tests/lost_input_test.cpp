// Things that go missing or break under a running game: a level file damaged on disk
// (rather than absent), a controller pulled out while held, the window losing the
// focus while keys are held.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/commands.h"
#include "shell/level_flow.h"
#include "shell_helpers.h"
#include "test_game.h"
#include "work_folder.h"

namespace {

namespace fs = std::filesystem;
using heli::testing::BuiltLevelFile;
using heli::testing::LevelFilesBuilt;
using heli::testing::NewGame;
using heli::testing::Ticks;
using heli::testing::WorkFolder;

#define NEED_LEVEL_FILES() \
  if (!LevelFilesBuilt()) GTEST_SKIP() << "the level picture files are not built"

constexpr int kVkUp = 38;

void Choose(heli::TForm1& g, int item) {
  constexpr int kBandY[] = {100, 230, 360, 490};  // menu items 21 .. 24
  heli::m_move(g, 400, kBandY[item - 21]);
  Ticks(g, 1);
  ASSERT_EQ(g.menu_item, item);
  heli::klik(g);
}

// Level 1's file, damaged in one of three ways.
std::string Damaged(const std::string& good, int how) {
  switch (how) {
    case 0:  // cut off half-way
      return good.substr(0, good.size() / 2);
    case 1:  // something else altogether
      return std::string(4000, 'x');
    default: {
      // A JPEG whose header reads but whose scan ends early: only decoding fails.
      std::string bad = good;
      const std::size_t scan = bad.find("\xff\xda");
      EXPECT_NE(scan, std::string::npos);
      bad.replace(scan + 100, 2, "\xff\xd9");
      return bad;
    }
  }
}

// A game in play at level 2, with level 1's file damaged on disk afterwards. A new
// game (level 1) then fails in the menu, which says which file; the level in play
// keeps its pictures and goes on; once the file is good again a new game starts.
TEST(LevelFileDamaged, NewGameFailsInTheMenuAndThePausedLevelGoesOn) {
  NEED_LEVEL_FILES();
  const std::string good = WorkFolder::Read(BuiltLevelFile(1).string());
  for (int how = 0; how < 3; ++how) {
    SCOPED_TRACE(how);
    WorkFolder work;
    fs::create_directories("data");
    fs::copy_file(BuiltLevelFile(2), "data/lev2.lta");
    auto g = NewGame();
    ASSERT_TRUE(heli::StartAtLevel(*g, 2));
    Ticks(*g, 5);
    const int pictures = g->poz.Count();
    ASSERT_GT(pictures, 0);

    WorkFolder::Write("data/lev1.lta", Damaged(good, how));
    heli::down(*g, heli::VK_ESCAPE);
    ::testing::internal::CaptureStderr();
    Choose(*g, 21);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(g->level_error.find("data/lev1.lta"), std::string::npos) << g->level_error;
    EXPECT_NE(err.find(g->level_error), std::string::npos) << err;
    EXPECT_EQ(g->in_menu, 1);
    EXPECT_EQ(g->level_intro, 0);
    EXPECT_EQ(g->level, 2);
    EXPECT_EQ(g->poz.Count(), pictures);
    // Its pictures are drawable still (made again if they had to make room).
    ASSERT_TRUE(g->poz.Initialized());
    for (const auto& item : g->poz.Items()) {
      if (item.Picture.kind != media::PictureKind::None) {
        EXPECT_NE(item.Prepared(), nullptr);
      }
    }

    Choose(*g, 23);  // back to level 2, where it was
    EXPECT_EQ(g->in_menu, 0);
    Ticks(*g, 20);
    EXPECT_EQ(g->level, 2);
    EXPECT_EQ(g->poz.Count(), pictures);

    WorkFolder::Write("data/lev1.lta", good);
    heli::down(*g, heli::VK_ESCAPE);
    Choose(*g, 21);
    EXPECT_EQ(g->level, 1);
    EXPECT_EQ(g->level_intro, 1);
    EXPECT_TRUE(g->level_error.empty());
  }
}

// A game flying level 1 at a height where it can climb.
std::unique_ptr<heli::TForm1> Flying(WorkFolder& work) {
  work.LinkLevelFiles();
  auto g = NewGame();
  EXPECT_TRUE(heli::StartAtLevel(*g, 1));
  Ticks(*g, 1);
  EXPECT_LT(g->altitude + 10, g->altitude_max);
  return g;
}

TEST(InputLost, FocusLostWhileClimbingStopsTheClimbForGood) {
  NEED_LEVEL_FILES();
  WorkFolder work;
  auto g = Flying(work);
  g->DXInput1.KeyDown(kVkUp);
  int altitude = g->altitude;
  Ticks(*g, 3);
  EXPECT_EQ(g->altitude, altitude + 3);

  // The key's release goes to the other window: the game must not keep climbing,
  // neither while the focus is away nor once it is back.
  g->DXInput1.SetActive(false);
  altitude = g->altitude;
  Ticks(*g, 3);
  EXPECT_EQ(g->altitude, altitude);
  g->DXInput1.SetActive(true);
  Ticks(*g, 3);
  EXPECT_EQ(g->altitude, altitude);

  // A fresh press climbs again.
  g->DXInput1.KeyDown(kVkUp);
  Ticks(*g, 2);
  EXPECT_EQ(g->altitude, altitude + 2);
  EXPECT_EQ(g->crashed, 0);
}

TEST(InputLost, ControllerPulledOutWhileHeldLetsGoOfEverything) {
  NEED_LEVEL_FILES();
  WorkFolder work;
  auto g = Flying(work);
  g->speed = 0;
  // Stick pushed forward (climb) and the first button (faster) held.
  g->DXInput1.SetTestJoystick(true, 0, -32767, 1u);
  int altitude = g->altitude;
  Ticks(*g, 3);
  EXPECT_EQ(g->altitude, altitude + 3);
  EXPECT_EQ(g->speed, 3);

  g->DXInput1.SetTestJoystick(false, 0, -32767, 1u);  // the reading of a device that is gone
  g->DXInput1.DevicesChanged();
  altitude = g->altitude;
  Ticks(*g, 3);
  EXPECT_EQ(g->altitude, altitude);
  EXPECT_EQ(g->speed, 3);

  // The keyboard still works, and a controller plugged in again is read.
  g->DXInput1.KeyDown(kVkUp);
  Ticks(*g, 1);
  EXPECT_EQ(g->altitude, altitude + 1);
  g->DXInput1.KeyUp(kVkUp);
  g->DXInput1.SetTestJoystick(true, 0, 0, 1u);
  g->DXInput1.DevicesChanged();
  Ticks(*g, 2);
  EXPECT_EQ(g->altitude, altitude + 1);
  EXPECT_EQ(g->speed, 5);
}

}  // namespace
