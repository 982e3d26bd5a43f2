#pragma once
// Plays a committed demo through the built program in a fresh working folder with
// a copy of the level files, so that the save file it writes lands there, and
// reads back a sparse state dump.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "golden_record.h"
#include "work_folder.h"

namespace heli::testing {

struct FolderRun {
  int status = -1;
  std::vector<nlohmann::json> ticks;           // every dump_every-th main tick
  std::string save_file;                       // uloz.dat as the run left it; empty when none
  std::map<std::int64_t, std::string> frames;  // pixel digests of the frames asked for
};

inline std::filesystem::path DemoFile(const std::string& name) {
  return std::filesystem::path(HELI_SOURCE_DIR) / "tests" / "demos" / name;
}

inline FolderRun PlayInFolder(const std::string& demo_name, int dump_every,
                              const std::string& extra = "",
                              const std::vector<std::int64_t>& frame_ticks = {}) {
  namespace fs = std::filesystem;
  FolderRun run;
  WorkFolder folder;
  fs::create_directories("data");
  for (int n : {1, 2, 4, 6, 8})
    fs::copy_file(BuiltLevelFile(n), fs::path("data") / BuiltLevelFile(n).filename());
  std::string shots;
  for (auto t : frame_ticks)
    shots += " --screenshot-at " + std::to_string(t) + " frame-" + std::to_string(t) + ".png";
  const std::string cmd = std::string("'") + HELI_BINARY_DIR + "/heli-rescue' --headless --play '" +
                          DemoFile(demo_name).string() + "' --dump dump.jsonl --dump-every " +
                          std::to_string(dump_every) + " " + extra + shots + " 2>/dev/null";
  const int rc = std::system(cmd.c_str());
  run.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  std::ifstream in("dump.jsonl");
  for (std::string line; std::getline(in, line);) run.ticks.push_back(nlohmann::json::parse(line));
  if (fs::exists("uloz.dat")) run.save_file = WorkFolder::Read("uloz.dat");
  for (auto t : frame_ticks) run.frames[t] = PngPixelDigest("frame-" + std::to_string(t) + ".png");
  return run;
}

}  // namespace heli::testing
