// Level starts, the crash sequence and the menu's choices, driven by the timer and
// the window's events.
#include "shell/level_flow.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/commands.h"
#include "shell/save_file.h"
#include "shell_helpers.h"
#include "test_game.h"
#include "work_folder.h"

namespace {

using heli::testing::EnterPlay;
using heli::testing::ExpectStarts;
using heli::testing::LevelFilesBuilt;
using heli::testing::NewGame;
using heli::testing::RedPixels;
using heli::testing::Ticks;
using heli::testing::WorkFolder;

constexpr int kBandY[] = {0, 100, 230, 360, 490};  // mouse_y over menu items 21 .. 24

#define NEED_LEVEL_FILES() \
  if (!LevelFilesBuilt()) GTEST_SKIP() << "the level picture files are not built"

std::unique_ptr<heli::TForm1> InMenu() {
  auto g = NewGame();
  heli::down(*g, heli::VK_ESCAPE);
  return g;
}

void Choose(heli::TForm1& g, int item) {
  heli::m_move(g, 400, kBandY[item - 20]);
  Ticks(g, 1);
  ASSERT_EQ(g.menu_item, item);
  heli::klik(g);
}

// A game in play at `level`, as if started from the menu.
std::unique_ptr<heli::TForm1> Playing(int level) {
  auto g = InMenu();
  EnterPlay(*g);
  g->level = static_cast<heli::u8>(level);
  g->game_started = 1;
  return g;
}

// --- Level starts ---------------------------------------------------------------

TEST(LevelStart, HeadlessRunFromTheIntroToPlayByEvents) {
  NEED_LEVEL_FILES();
  WorkFolder work;
  work.LinkLevelFiles();
  auto g = NewGame();
  Ticks(*g, 751);
  ASSERT_EQ(g->in_menu, 1);
  Choose(*g, 21);
  EXPECT_EQ(g->in_menu, 0);
  EXPECT_EQ(g->level_intro, 1);
  EXPECT_EQ(g->level, 1);
  EXPECT_EQ(g->game_started, 1);
  EXPECT_EQ(g->lev_file, 1);
  EXPECT_EQ(g->menu_item, 20);
  EXPECT_EQ(g->cursor, -1);
  EXPECT_EQ(g->sounds.Setting(heli::kHMenu).stops, 1);  // the game's sounds replace the menu music
  ExpectStarts(*g, heli::kHudbaHra, 1);
  Ticks(*g, 5);  // the start screen waits
  EXPECT_EQ(g->level_intro, 1);
  EXPECT_EQ(g->blink_tick, 0);
  heli::down(*g, heli::VK_ESCAPE);
  EXPECT_TRUE(g->bottom_panel_shown);
  Ticks(*g, 3);
  EXPECT_EQ(g->blink_tick, 3);  // play ticks ran
  EXPECT_EQ(g->in_menu, 0);
  EXPECT_FALSE(std::filesystem::exists(heli::kSaveFileName));
}

TEST(LevelStart, ReturnBeforeAnyGameStartsLevel1ThroughItsStartScreen) {
  NEED_LEVEL_FILES();
  WorkFolder work;
  work.LinkLevelFiles();
  auto g = InMenu();
  Choose(*g, 23);
  EXPECT_EQ(g->game_started, 1);
  EXPECT_EQ(g->level, 1);
  EXPECT_EQ(g->level_intro, 1);
  EXPECT_EQ(g->in_menu, 0);
  Ticks(*g, 1);
  EXPECT_FALSE(g->bottom_panel_shown);  // the start screen hides what navrat showed
}

TEST(LevelStart, CompletingALevelSavesTheLevelReached) {
  NEED_LEVEL_FILES();
  WorkFolder work;
  work.LinkLevelFiles();
  auto g = Playing(1);
  g->cass.Enabled = true;
  g->level_done = 1;  // as the world's step finds nobody left
  Ticks(*g, 1);
  EXPECT_EQ(g->level, 2);
  EXPECT_EQ(g->lev_file, 2);
  EXPECT_EQ(g->level_done, 0);
  EXPECT_FALSE(g->cass.Enabled);
  EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x02");
  Ticks(*g, 1);
  EXPECT_EQ(g->level_intro, 1);
  EXPECT_EQ(g->sounds.Setting(heli::kHudbaHra).stops, 0);  // the sounds go on from level to level

  for (int level = 3; level <= 9; ++level) {
    heli::down(*g, heli::VK_ESCAPE);
    g->level_done = 1;
    Ticks(*g, 1);
    EXPECT_EQ(g->level, level);
    EXPECT_EQ(g->lev_file, level % 2 == 1 ? 1 : level);
  }
  EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x09");
  heli::down(*g, heli::VK_ESCAPE);
  g->level_done = 1;
  Ticks(*g, 1);
  EXPECT_EQ(g->level, 1);  // after level 9 comes level 1, not saved
  EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x09");
}

// A save that fails (a folder in the file's place, then a save folder that
// vanished) is reported once on stderr and in the menu, and play goes on; the next
// save that succeeds takes the menu's line away.
TEST(LevelStart, ASaveThatFailsIsReportedOnceAndPlayGoesOn) {
  NEED_LEVEL_FILES();
  WorkFolder work;
  work.LinkLevelFiles();
  struct Restore {
    ~Restore() { heli::SetSaveFolder({}); }
  } restore;
  std::filesystem::create_directory(heli::kSaveFileName);
  auto g = Playing(1);
  g->level_done = 1;
  ::testing::internal::CaptureStderr();
  Ticks(*g, 1);
  std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(g->level, 2);
  EXPECT_EQ(g->level_intro, 1);
  EXPECT_TRUE(g->level_error.empty());
  EXPECT_NE(err.find("cannot write uloz.dat: Is a directory"), std::string::npos) << err;
  EXPECT_EQ(err.find("cannot write", err.find("cannot write") + 1), std::string::npos) << err;
  heli::down(*g, heli::VK_ESCAPE);  // play
  heli::down(*g, heli::VK_ESCAPE);  // the menu
  Ticks(*g, 1);
  EXPECT_EQ(g->save_note, "Hra NEBYLA ULOŽENA !!");
  EXPECT_GT(RedPixels(*g, 0, 558, 800, 600), 50);

  std::filesystem::create_directory("saves");
  heli::SetSaveFolder("saves");
  std::filesystem::remove("saves");
  Choose(*g, 23);
  g->level_done = 1;
  ::testing::internal::CaptureStderr();
  Ticks(*g, 1);
  err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(g->level, 3);
  EXPECT_NE(err.find("saves/uloz.dat: No such file or directory"), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists("saves"));  // not made again where it vanished

  std::filesystem::create_directory("saves");
  heli::down(*g, heli::VK_ESCAPE);
  g->level_done = 1;
  Ticks(*g, 1);
  EXPECT_EQ(WorkFolder::Read("saves/uloz.dat"), "\x04");
  EXPECT_TRUE(g->save_note.empty());
}

TEST(LevelStart, SavedGameContinuesAtTheSavedLevel) {
  NEED_LEVEL_FILES();
  WorkFolder work;
  work.LinkLevelFiles();
  WorkFolder::Write(heli::kSaveFileName, "\x04");
  auto g = InMenu();
  Choose(*g, 22);
  EXPECT_EQ(g->load_failed, 0);
  EXPECT_EQ(g->level, 4);
  EXPECT_EQ(g->lev_file, 4);
  EXPECT_EQ(g->level_intro, 1);
  EXPECT_EQ(g->game_started, 1);
  EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x04");
}

TEST(LevelStart, StartAtLevelGoesStraightIntoPlayWithoutTheSaveFile) {
  NEED_LEVEL_FILES();
  WorkFolder work;
  work.LinkLevelFiles();
  auto g = NewGame();
  ASSERT_TRUE(heli::StartAtLevel(*g, 4));
  EXPECT_EQ(g->intro_running, 0);
  EXPECT_EQ(g->in_menu, 0);
  EXPECT_EQ(g->level_intro, 0);
  EXPECT_EQ(g->level, 4);
  EXPECT_EQ(g->game_started, 1);
  EXPECT_TRUE(g->cass.Enabled);
  EXPECT_TRUE(g->bottom_panel_shown);
  Ticks(*g, 2);
  EXPECT_EQ(g->blink_tick, 2);
  EXPECT_FALSE(std::filesystem::exists(heli::kSaveFileName));
}

// --- Level picture files that cannot be read ---------------------------------------

TEST(LevelFileMissing, NewGameStaysInTheMenuAndSaysWhichFile) {
  WorkFolder work;  // no data/ at all
  auto g = InMenu();
  g->altitude = 40;  // the reset would make it 25
  Ticks(*g, 1);
  EXPECT_EQ(RedPixels(*g, 0, 558, 800, 600), 0);
  ::testing::internal::CaptureStderr();
  Choose(*g, 21);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Cannot open file data/lev1.lta"), std::string::npos) << err;
  EXPECT_EQ(g->level_error, "Cannot open file data/lev1.lta");
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(g->level_intro, 0);
  EXPECT_EQ(g->game_started, 0);
  EXPECT_EQ(g->level, 1);
  EXPECT_EQ(g->altitude, 40);
  EXPECT_EQ(g->sounds.Setting(heli::kHMenu).stops, 0);  // the menu music plays on
  ExpectStarts(*g, heli::kHudbaHra, 0);
  Ticks(*g, 1);
  EXPECT_EQ(g->cursor, -21);
  EXPECT_GT(RedPixels(*g, 0, 558, 800, 600), 50);  // the message, in red
  EXPECT_FALSE(std::filesystem::exists(heli::kSaveFileName));
}

TEST(LevelFileMissing, CompletingALevelReturnsToTheMenuAndLeavesTheSave) {
  WorkFolder work;
  WorkFolder::Write(heli::kSaveFileName, "\x03");
  auto g = Playing(3);
  g->level_done = 1;
  ::testing::internal::CaptureStderr();
  Ticks(*g, 1);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("data/lev4.lta"), std::string::npos) << err;
  EXPECT_EQ(g->level, 3);
  EXPECT_EQ(g->level_done, 0);
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(g->level_intro, 0);
  EXPECT_EQ(g->sounds.Setting(heli::kHudbaHra).stops, 1);  // play's sounds give way to the menu's
  EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x03");
}

TEST(LevelFileMissing, APausedGameOutlivesAFailedNewGame) {
  WorkFolder work;
  auto g = Playing(3);
  g->altitude = 40;
  heli::down(*g, heli::VK_ESCAPE);
  ::testing::internal::CaptureStderr();
  Choose(*g, 21);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(g->level, 3);
  EXPECT_EQ(g->game_started, 1);
  Choose(*g, 23);  // navrat resumes it where it was
  EXPECT_EQ(g->in_menu, 0);
  EXPECT_EQ(g->level_intro, 0);
  EXPECT_EQ(g->altitude, 40);
  EXPECT_TRUE(g->bottom_panel_shown);
}

TEST(LevelFileMissing, AFolderInPlaceOfTheFileIsRefusedToo) {
  WorkFolder work;
  std::filesystem::create_directories("data/lev1.lta");
  auto g = InMenu();
  ::testing::internal::CaptureStderr();
  Choose(*g, 23);  // navrat before any game
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(g->level_error, "Cannot open file data/lev1.lta");
  EXPECT_EQ(g->game_started, 0);
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_FALSE(g->bottom_panel_shown);
}

TEST(LevelFileMissing, SavedGameKeepsTheMenuTheLevelAndTheFile) {
  WorkFolder work;
  WorkFolder::Write(heli::kSaveFileName, "\x06");
  auto g = InMenu();
  ::testing::internal::CaptureStderr();
  Choose(*g, 22);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(g->level_error, "Cannot open file data/lev6.lta");
  EXPECT_EQ(g->level, 1);
  EXPECT_EQ(g->game_started, 0);
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x06");
}

TEST(LevelFileMissing, StartAtLevelLeavesTheMenu) {
  WorkFolder work;
  auto g = NewGame();
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(heli::StartAtLevel(*g, 8));
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(g->intro_running, 0);
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(g->level, 1);
  EXPECT_EQ(g->game_started, 0);
  EXPECT_EQ(g->level_error, "Cannot open file data/lev8.lta");
}

// --- The crash sequence ------------------------------------------------------------

TEST(Crash, Runs149StepsAndEndsInTheMenuOnTheSameLevel) {
  auto g = Playing(5);
  g->crashed = 1;
  g->altitude = 44;
  Ticks(*g, 1);
  EXPECT_EQ(g->crash_tick, 2);
  EXPECT_EQ(g->sounds.Setting(heli::kHelik).stops, 1);
  ExpectStarts(*g, heli::kVybuch, 1);
  g->map_shown = 1;
  Ticks(*g, 147);  // steps 2 .. 148
  EXPECT_EQ(g->map_shown, 0);
  EXPECT_EQ(g->crashed, 1);
  EXPECT_EQ(g->crash_tick, 149);
  EXPECT_EQ(g->sounds.Setting(heli::kHelik).stops, 148);
  ExpectStarts(*g, heli::kVybuch, 1);
  EXPECT_EQ(g->in_menu, 0);
  Ticks(*g, 1);  // step 149
  EXPECT_EQ(g->crashed, 0);
  EXPECT_EQ(g->crash_tick, 1);
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(g->level, 5);
  EXPECT_EQ(g->level_intro, 0);
  EXPECT_EQ(g->altitude, 25);  // the state is reset for the same level
  EXPECT_EQ(g->sounds.Setting(heli::kHudbaHra).stops, 1);
  Ticks(*g, 1);
  EXPECT_EQ(g->cursor, -21);
}

TEST(Crash, ACancelledCrashContinuesLaterFromItsStep) {
  auto g = Playing(1);
  g->crashed = 1;
  Ticks(*g, 10);
  EXPECT_EQ(g->crash_tick, 11);
  g->crashed = 0;  // as over land
  Ticks(*g, 20);
  EXPECT_EQ(g->crash_tick, 11);
  EXPECT_EQ(g->sounds.Setting(heli::kHelik).stops, 10);
  g->crashed = 1;
  Ticks(*g, 1);
  EXPECT_EQ(g->crash_tick, 12);
  ExpectStarts(*g, heli::kVybuch, 1);  // the explosion sounds only at step 1
}

TEST(Crash, EscapeOpensTheMenuAndReturnContinuesTheSequence) {
  auto g = Playing(2);
  g->crashed = 1;
  Ticks(*g, 30);
  heli::down(*g, heli::VK_ESCAPE);
  EXPECT_EQ(g->in_menu, 1);
  Ticks(*g, 10);
  EXPECT_EQ(g->crash_tick, 31);
  Choose(*g, 23);
  EXPECT_EQ(g->in_menu, 0);
  EXPECT_EQ(g->level_intro, 0);  // no start screen: the game resumes
  EXPECT_TRUE(g->bottom_panel_shown);
  EXPECT_EQ(g->cursor, -1);
  Ticks(*g, 1);
  EXPECT_EQ(g->crash_tick, 32);
  EXPECT_EQ(g->crashed, 1);
}

}  // namespace
