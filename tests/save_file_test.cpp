// The save file, read by the menu's saved-game button and written on advancing.
#include "shell/save_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "shell/commands.h"
#include "shell_helpers.h"
#include "test_game.h"
#include "work_folder.h"

namespace {

using heli::testing::NewGame;
using heli::testing::RedPixels;
using heli::testing::Ticks;
using heli::testing::WorkFolder;

constexpr char kNoSave[] = "Uložená hra CHYBÍ !!";
constexpr char kUnreadable[] = "Uloženou hru NELZE PŘEČÍST !!";

// The names in the working folder.
std::set<std::string> Names() {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator("."))
    names.insert(e.path().filename().string());
  return names;
}

// A game in the menu with the saved-game button under the mouse.
std::unique_ptr<heli::TForm1> OnSavedGameButton() {
  auto g = NewGame();
  heli::down(*g, heli::VK_ESCAPE);
  heli::m_move(*g, 400, 230);
  Ticks(*g, 1);
  EXPECT_EQ(g->menu_item, 22);
  return g;
}

TEST(SaveFile, ContinuingWithoutAFileSaysThereIsNone) {
  WorkFolder work;
  auto g = OnSavedGameButton();
  EXPECT_EQ(RedPixels(*g, 0, 558, 800, 600), 0);
  ::testing::internal::CaptureStderr();
  heli::klik(*g);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(g->load_failed, 1);
  EXPECT_EQ(g->level, 1);
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(g->level_intro, 0);
  EXPECT_EQ(g->game_started, 0);
  EXPECT_TRUE(g->level_error.empty());
  EXPECT_EQ(g->save_note, kNoSave);
  EXPECT_NE(err.find("uloz.dat: no saved game"), std::string::npos) << err;
  Ticks(*g, 1);
  EXPECT_GT(RedPixels(*g, 0, 558, 800, 600), 50);  // where a level file's error shows
  EXPECT_FALSE(std::filesystem::exists(heli::kSaveFileName));
}

TEST(SaveFile, EmptyOrOutOfRangeSavesAreNotLoaded) {
  for (const std::string& bad :
       {std::string(), std::string(1, '\0'), std::string("\x0a"), std::string("\xff\x02")}) {
    WorkFolder work;
    WorkFolder::Write(heli::kSaveFileName, bad);
    auto g = OnSavedGameButton();
    g->load_failed = 0;
    ::testing::internal::CaptureStderr();
    heli::klik(*g);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(g->load_failed, 1) << "size " << bad.size();
    EXPECT_EQ(g->level, 1);
    EXPECT_EQ(g->in_menu, 1);
    EXPECT_EQ(g->level_intro, 0);
    EXPECT_EQ(g->save_note, kUnreadable);
    EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), bad);
  }
}

TEST(SaveFile, HoldsTheLevelAsItsOneByte) {
  WorkFolder work;
  heli::GameState s;
  s.level = 7;
  const mode_t mask = ::umask(022);
  const bool saved = heli::SaveProgress(s);
  ::umask(mask);
  ASSERT_TRUE(saved);
  EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x07");
  // Made as a plain create would make it, and nothing else left in the folder.
  EXPECT_EQ(std::filesystem::status(heli::kSaveFileName).permissions(),
            std::filesystem::perms(0644));
  EXPECT_EQ(Names(), std::set<std::string>{heli::kSaveFileName});
  s.level = 9;
  ASSERT_TRUE(heli::SaveProgress(s));  // replaces the old file
  EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x09");
  s.level = 1;
  s.load_failed = 1;
  heli::LoadProgress(s);
  EXPECT_EQ(s.level, 9);
  EXPECT_EQ(s.load_failed, 0);
}

// A full disk, a read-only file system, a failing disk: whichever step of a save
// fails, the save file stays whole and no temporary file is left. Up to the rename
// it is the old file, untouched; only the folder's sync comes after it.
TEST(SaveFile, AFailureAtAnyStepLeavesAWholeSave) {
  struct Fault {
    heli::SaveStep step;
    int error;
    const char* left;
  };
  const Fault faults[] = {
      {heli::SaveStep::Create, EROFS, "\x03"},  // a read-only folder
      {heli::SaveStep::Write, ENOSPC, "\x03"},  // no room
      {heli::SaveStep::Sync, EIO, "\x03"},     {heli::SaveStep::Close, ENOSPC, "\x03"},
      {heli::SaveStep::Rename, EROFS, "\x03"}, {heli::SaveStep::SyncFolder, EIO, "\x07"},
  };
  struct Healed {
    ~Healed() { heli::SetSaveFault(heli::SaveStep::None, 0); }
  } healed;
  for (const Fault& f : faults) {
    SCOPED_TRACE(static_cast<int>(f.step));
    WorkFolder work;
    WorkFolder::Write(heli::kSaveFileName, "\x03");
    heli::SetSaveFault(f.step, f.error);
    heli::GameState s;
    s.level = 7;
    std::error_code error;
    EXPECT_FALSE(heli::SaveProgress(s, &error));
    EXPECT_EQ(error.value(), f.error);
    EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), f.left);
    EXPECT_EQ(Names(), std::set<std::string>{heli::kSaveFileName});
    heli::SetSaveFault(heli::SaveStep::None, 0);
    EXPECT_TRUE(heli::SaveProgress(s));
    EXPECT_EQ(WorkFolder::Read(heli::kSaveFileName), "\x07");
  }
}

TEST(SaveFile, ASaveThatCannotBeWrittenFailsAndLoadsNothing) {
  WorkFolder work;
  std::filesystem::create_directory(heli::kSaveFileName);
  heli::GameState s;
  s.level = 3;
  EXPECT_FALSE(heli::SaveProgress(s));
  EXPECT_EQ(heli::LoadProgress(s), heli::LoadResult::Unreadable);
  EXPECT_EQ(s.load_failed, 1);
  EXPECT_EQ(s.level, 3);
  EXPECT_EQ(Names(), std::set<std::string>{heli::kSaveFileName});
}

}  // namespace
