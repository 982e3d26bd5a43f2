// The save file, read by the menu's saved-game button and written on advancing.
#include "game/save_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/commands.h"
#include "shell_helpers.h"
#include "test_game.h"
#include "work_folder.h"

namespace {

using heli::testing::NewGame;
using heli::testing::Ticks;
using heli::testing::WorkFolder;

// A game in the menu with the saved-game button under the mouse.
std::unique_ptr<heli::TForm1> OnSavedGameButton() {
  auto g = NewGame();
  heli::down(*g, heli::VK_ESCAPE);
  heli::m_move(*g, 400, 230);
  Ticks(*g, 1);
  EXPECT_EQ(g->menu_item, 22);
  return g;
}

TEST(SaveFile, ContinuingWithoutAFileDoesNothing) {
  WorkFolder work;
  auto g = OnSavedGameButton();
  heli::klik(*g);
  EXPECT_EQ(g->load_failed, 1);
  EXPECT_EQ(g->level, 1);
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(g->level_intro, 0);
  EXPECT_EQ(g->game_started, 0);
  EXPECT_TRUE(g->level_error.empty());
  EXPECT_FALSE(std::filesystem::exists(heli::kSaveFileName));
}

TEST(SaveFile, EmptyOrOutOfRangeSavesAreNotLoaded) {
  for (const std::string& bad :
       {std::string(), std::string(1, '\0'), std::string("\x0a"), std::string("\xff\x02")}) {
    WorkFolder work;
    WorkFolder::Write(heli::kSaveFileName, bad);
    auto g = OnSavedGameButton();
    g->load_failed = 0;
    heli::klik(*g);
    EXPECT_EQ(g->load_failed, 1) << "size " << bad.size();
    EXPECT_EQ(g->level, 1);
    EXPECT_EQ(g->in_menu, 1);
    EXPECT_EQ(g->level_intro, 0);
    EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), bad);
  }
}

TEST(SaveFile, HoldsTheLevelAsItsOneByte) {
  WorkFolder work;
  heli::GameState s;
  s.level = 7;
  ASSERT_TRUE(heli::SaveProgress(s));
  EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x07");
  s.level = 9;
  ASSERT_TRUE(heli::SaveProgress(s));  // replaces the old file
  EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x09");
  s.level = 1;
  s.load_failed = 1;
  heli::LoadProgress(s);
  EXPECT_EQ(s.level, 9);
  EXPECT_EQ(s.load_failed, 0);
}

TEST(SaveFile, ASaveThatCannotBeWrittenFailsAndLoadsNothing) {
  WorkFolder work;
  std::filesystem::create_directory(heli::kSaveFileName);
  heli::GameState s;
  s.level = 3;
  EXPECT_FALSE(heli::SaveProgress(s));
  heli::LoadProgress(s);
  EXPECT_EQ(s.load_failed, 1);
  EXPECT_EQ(s.level, 3);
}

}  // namespace
