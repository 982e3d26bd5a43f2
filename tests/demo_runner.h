#pragma once
// Runs the built program on a demo, headless, and reads back its state dump.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace heli::testing {

struct DemoRun {
  int status = -1;
  std::vector<nlohmann::json> ticks;  // one dump line per main tick
};

inline std::filesystem::path TempFile(const std::string& name) {
  return std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "-" + name);
}

// extra: further command-line options. The program runs in the build folder,
// where data/ holds the level files.
inline DemoRun RunDemo(const std::string& name, const std::string& demo_text,
                       const std::string& extra = "") {
  const auto demo = TempFile(name + ".demo");
  const auto dump = TempFile(name + ".jsonl");
  std::ofstream(demo) << demo_text;
  DemoRun run;
  const std::string cmd = std::string("cd '") + HELI_BINARY_DIR +
                          "' && ./heli-rescue --headless --play '" + demo.string() + "' --dump '" +
                          dump.string() + "' " + extra + " 2>/dev/null";
  const int rc = std::system(cmd.c_str());
  run.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  std::ifstream in(dump);
  for (std::string line; std::getline(in, line);) run.ticks.push_back(nlohmann::json::parse(line));
  std::filesystem::remove(demo);
  std::filesystem::remove(dump);
  return run;
}

inline bool LevelFilesPresent() {
  return std::filesystem::exists(std::filesystem::path(HELI_BINARY_DIR) / "data" / "lev1.lta");
}

}  // namespace heli::testing
