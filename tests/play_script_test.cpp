// ./play and tools/deps.sh, run on a copy with stand-ins for the package tools,
// CMake and the game: which packages each installs, where ./play keeps the save.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "program_runner.h"

namespace {

namespace fs = std::filesystem;
using heli::testing::MakeTempFolder;
using heli::testing::ReadAll;
using heli::testing::Result;
using heli::testing::RunIn;

void WriteScript(const fs::path& path, const std::string& body) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
  fs::permissions(path, fs::perms::owner_all);
}

class PlayScript : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = MakeTempFolder("play");
    const fs::path source(HELI_SOURCE_DIR);
    fs::create_directories(root_ / "tree" / "tools");
    fs::copy_file(source / "play", root_ / "tree" / "play");
    fs::copy_file(source / "tools" / "deps.sh", root_ / "tree" / "tools" / "deps.sh");
    // Every package is missing; what would be installed, configured, built and run
    // is only written down.
    const std::string log = (root_ / "log").string();
    WriteScript(root_ / "bin" / "dpkg-query", "exit 1");
    WriteScript(root_ / "bin" / "apt-get", "echo \"apt-get $*\" >>'" + log + "'");
    WriteScript(root_ / "bin" / "sudo", "\"$@\"");
    WriteScript(root_ / "bin" / "cmake", "echo \"cmake $*\" >>'" + log + "'");
    WriteScript(root_ / "tree" / "build" / "release" / "heli-rescue",
                "echo \"game $*\" >>'" + log + "'");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  Result Run(const std::string& command) {
    fs::remove(root_ / "log");
    const Result r = RunIn(root_ / "tree", "env PATH='" + (root_ / "bin").string() +
                                               ":'\"$PATH\" XDG_DATA_HOME='" +
                                               (root_ / "xdg").string() + "' " + command);
    log_ = ReadAll(root_ / "log");
    return r;
  }
  fs::path root_;
  std::string log_;
};

TEST_F(PlayScript, InstallsWhatPlayingNeedsAndKeepsTheSaveInThePlayersFolder) {
  const fs::path release = root_ / "tree" / "build" / "release";
  const fs::path saved = root_ / "xdg" / "heli-rescue" / "uloz.dat";
  std::ofstream(release / "uloz.dat", std::ios::binary) << '\x04';  // an older ./play's save

  Result r = Run("./play --window");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(log_.find("apt-get install -y -qq build-essential cmake"), std::string::npos) << log_;
  for (const char* test_only : {"libgtest-dev", "libbenchmark-dev", "clang", "appstream"})
    EXPECT_EQ(log_.find(test_only), std::string::npos) << test_only << "\n" << log_;
  EXPECT_NE(log_.find("-DHELI_TESTS=OFF"), std::string::npos) << log_;
  EXPECT_NE(log_.find("game --save-dir-xdg --window\n"), std::string::npos) << log_;
  EXPECT_EQ(ReadAll(saved), "\x04");
  EXPECT_EQ(ReadAll(release / "uloz.dat"), "\x04");

  // Once configured, ./play keeps the tests as configured; a later save in the
  // player's folder is never replaced by the old one.
  std::ofstream(release / "CMakeCache.txt") << "";
  std::ofstream(saved, std::ios::binary) << '\x07';
  r = Run("./play");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(log_.find("HELI_TESTS"), std::string::npos) << log_;
  EXPECT_EQ(ReadAll(saved), "\x07");

  r = Run("tools/deps.sh test");
  EXPECT_EQ(r.status, 0) << r.err;
  for (const char* wanted : {"libsdl2-dev", "libgtest-dev", "libbenchmark-dev", "clang",
                             "appstream", "desktop-file-utils", "nlohmann-json3-dev"})
    EXPECT_NE(log_.find(wanted), std::string::npos) << wanted << "\n" << log_;
}

}  // namespace
