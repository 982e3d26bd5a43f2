// The data folder search, the save folder and the screenshot names.
#include "shell/folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include "game/state.h"
#include "shell/level_flow.h"
#include "shell/options.h"
#include "shell/save_file.h"
#include "work_folder.h"

namespace {

namespace fs = std::filesystem;
using heli::testing::WorkFolder;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Puts the data and save folders back as they are at program start.
class FolderSettings {
 public:
  ~FolderSettings() {
    heli::SetDataFolder("data");
    heli::SetSaveFolder({});
  }
};

void MakeLevelFile(const fs::path& folder) {
  fs::create_directories(folder);
  WorkFolder::Write((folder / "lev1.lta").string(), "x");
}

TEST(DataFolder, CandidatesInOrder) {
  const auto list = heli::DataFolderCandidates("", "/opt/game/bin");
  ASSERT_GE(list.size(), 3u);
  EXPECT_EQ(list[0], fs::path("data"));
  EXPECT_EQ(list[1], fs::path("/opt/game/bin/data"));
  EXPECT_EQ(list[2], fs::path("/opt/game/share/heli-rescue/data"));
  // The compiled-in installed folder comes last (unless it is the same as one above).
  EXPECT_EQ(list.back().filename(), "data");
  EXPECT_EQ(list.back().parent_path().filename(), "heli-rescue");
}

TEST(DataFolder, AGivenFolderIsTheOnlyCandidate) {
  const auto list = heli::DataFolderCandidates("/somewhere/levels", "/opt/game/bin");
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0], fs::path("/somewhere/levels"));
}

TEST(DataFolder, TheWorkingFolderIsNotTriedTwice) {
  WorkFolder work;
  // Started as ./heli-rescue: the executable's data/ is the working folder's.
  const auto list = heli::DataFolderCandidates("", fs::current_path());
  int working = 0;
  for (const auto& p : list)
    working += fs::weakly_canonical(fs::absolute(p)) == fs::current_path() / "data";
  EXPECT_EQ(working, 1);
  EXPECT_EQ(list[0], fs::path("data"));
}

TEST(DataFolder, TheFirstThatHoldsTheLevelFilesWins) {
  WorkFolder work;
  fs::create_directories("empty");  // a folder without the first level's file
  fs::create_directories("other/data");
  WorkFolder::Write("other/data/lev2.lta", "x");
  MakeLevelFile("second");
  MakeLevelFile("third");
  EXPECT_EQ(heli::FirstWithLevelFiles({"missing", "empty", "other/data", "second", "third"}),
            fs::path("second"));
  EXPECT_EQ(heli::FirstWithLevelFiles({"third", "second"}), fs::path("third"));
  EXPECT_FALSE(heli::FirstWithLevelFiles({"missing", "empty", "other/data"}).has_value());
  // A folder named lev1.lta is no level file.
  fs::create_directories("dir/lev1.lta");
  EXPECT_FALSE(heli::HoldsLevelFiles("dir"));
}

TEST(DataFolder, SetUpChoosesTheGivenFolderAndLevelFilesAreReadFromIt) {
  WorkFolder work;
  FolderSettings restore;
  MakeLevelFile("data");
  MakeLevelFile("mine");
  heli::Options o;
  o.data_dir = "mine";
  EXPECT_FALSE(heli::SetUpFolders(o, "heli-rescue").has_value());
  EXPECT_EQ(heli::DataFolder(), fs::path("mine"));
  EXPECT_EQ(heli::LevelFilePath(4), "mine/lev4.lta");
  // Without --data-dir the working folder's data/ comes first.
  EXPECT_FALSE(heli::SetUpFolders(heli::Options{}, "heli-rescue").has_value());
  EXPECT_EQ(heli::LevelFilePath(2), "data/lev2.lta");
}

TEST(DataFolder, AGivenFolderWithoutLevelFilesIsKeptAndReported) {
  WorkFolder work;
  FolderSettings restore;
  MakeLevelFile("data");
  heli::Options o;
  o.data_dir = "nothing-here";
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(heli::SetUpFolders(o, "heli-rescue").has_value());
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(heli::LevelFilePath(1), "nothing-here/lev1.lta");
  EXPECT_NE(err.find("looked in: nothing-here"), std::string::npos) << err;
}

TEST(SaveFolder, SaveAndLoadUseTheSaveFolder) {
  WorkFolder work;
  FolderSettings restore;
  heli::SetSaveFolder("saves");
  fs::create_directories("saves");
  EXPECT_EQ(heli::SaveFilePath(), fs::path("saves") / "uloz.dat");
  heli::GameState s;
  s.level = 5;
  ASSERT_TRUE(heli::SaveProgress(s));
  EXPECT_EQ(WorkFolder::Read("saves/uloz.dat"), "\x05");
  EXPECT_FALSE(fs::exists(heli::kSaveFileName));   // nothing in the working folder
  WorkFolder::Write(heli::kSaveFileName, "\x08");  // ignored while a save folder is set
  s.level = 1;
  heli::LoadProgress(s);
  EXPECT_EQ(s.level, 5);
  EXPECT_EQ(s.load_failed, 0);
  heli::SetSaveFolder({});
  EXPECT_EQ(heli::SaveFilePath(), fs::path("uloz.dat"));
  heli::LoadProgress(s);
  EXPECT_EQ(s.level, 8);
}

TEST(SaveFolder, SetUpMakesAMissingSaveFolder) {
  WorkFolder work;
  FolderSettings restore;
  heli::Options o;
  o.save_dir = "a/b/c";
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(heli::SetUpFolders(o, "heli-rescue").has_value());
  ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(fs::is_directory("a/b/c"));
  EXPECT_EQ(heli::SaveFilePath(), fs::path("a/b/c/uloz.dat"));
}

TEST(SaveFolder, ASaveFolderThatCannotBeMadeStopsTheProgram) {
  WorkFolder work;
  FolderSettings restore;
  WorkFolder::Write("file", "x");
  heli::Options o;
  o.save_dir = "file/sub";
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(heli::SetUpFolders(o, "heli-rescue"), 1);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("cannot make the save folder file/sub"), std::string::npos) << err;
  EXPECT_EQ(heli::SaveFilePath(), fs::path("uloz.dat"));
}

TEST(SaveFolder, TheXdgFolder) {
  {
    ScopedEnv xdg("XDG_DATA_HOME", "/x/data");
    ScopedEnv home("HOME", "/home/p");
    EXPECT_EQ(heli::XdgSaveFolder(), fs::path("/x/data/heli-rescue"));
  }
  {
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    ScopedEnv home("HOME", "/home/p");
    EXPECT_EQ(heli::XdgSaveFolder(), fs::path("/home/p/.local/share/heli-rescue"));
  }
  {
    // A relative XDG_DATA_HOME is to be ignored.
    ScopedEnv xdg("XDG_DATA_HOME", "rel/data");
    ScopedEnv home("HOME", "/home/p");
    EXPECT_EQ(heli::XdgSaveFolder(), fs::path("/home/p/.local/share/heli-rescue"));
  }
  {
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    ScopedEnv home("HOME", nullptr);
    EXPECT_TRUE(heli::XdgSaveFolder().empty());
  }
}

TEST(SaveFolder, SetUpWithTheXdgFolderMakesIt) {
  WorkFolder work;
  FolderSettings restore;
  const fs::path xdg_home = fs::current_path() / "xdg";
  ScopedEnv xdg("XDG_DATA_HOME", xdg_home.c_str());
  heli::Options o;
  o.save_dir_xdg = true;
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(heli::SetUpFolders(o, "heli-rescue").has_value());
  ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(fs::is_directory(xdg_home / "heli-rescue"));
  EXPECT_EQ(heli::SaveFilePath(), xdg_home / "heli-rescue" / "uloz.dat");
}

TEST(Screenshot, NamesCarryTheTimeAndAreNeverReused) {
  WorkFolder work;
  std::tm t{};
  t.tm_year = 2031 - 1900;
  t.tm_mon = 2;
  t.tm_mday = 4;
  t.tm_hour = 5;
  t.tm_min = 6;
  t.tm_sec = 7;
  t.tm_isdst = -1;
  const std::time_t when = std::mktime(&t);
  const fs::path first = heli::NewScreenshotPath(".", when);
  EXPECT_EQ(first, fs::path("./heli-rescue-20310304-050607.png"));
  WorkFolder::Write(first.string(), "x");
  const fs::path second = heli::NewScreenshotPath(".", when);
  EXPECT_EQ(second, fs::path("./heli-rescue-20310304-050607-2.png"));
  WorkFolder::Write(second.string(), "x");
  EXPECT_EQ(heli::NewScreenshotPath(".", when), fs::path("./heli-rescue-20310304-050607-3.png"));
}

TEST(Options, FolderOptions) {
  auto parse = [](std::initializer_list<const char*> args) {
    std::vector<const char*> argv{"heli-rescue"};
    argv.insert(argv.end(), args);
    return heli::ParseOptions(static_cast<int>(argv.size()), argv.data());
  };
  auto r = parse({"--data-dir", "/d", "--save-dir=/s", "--save-dir-xdg"});
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_EQ(r.options.data_dir, "/d");
  EXPECT_EQ(r.options.save_dir, "/s");
  EXPECT_TRUE(r.options.save_dir_xdg);
  EXPECT_FALSE(parse({"--data-dir"}).error.empty());
  EXPECT_FALSE(parse({"--save-dir="}).error.empty());
  EXPECT_FALSE(parse({"--save-dir-xdg=1"}).error.empty());
  EXPECT_TRUE(parse({"--help-man"}).options.help_man);
}

}  // namespace
