#pragma once
// Runs shell commands (the built program, mostly) in a folder and keeps what they
// wrote to stdout and stderr.
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "demo_runner.h"

namespace heli::testing {

inline std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::filesystem::path MakeTempFolder(const std::string& what) {
  std::string name =
      (std::filesystem::temp_directory_path() / ("heli-" + what + "-XXXXXX")).string();
  if (!mkdtemp(name.data())) return {};
  return name;
}

struct Result {
  int status = -1;  // the exit status; -1 when the command did not exit by itself
  std::string out, err;
};

// Runs a shell command in `folder`, with its output kept.
inline Result RunIn(const std::filesystem::path& folder, const std::string& command) {
  static int n = 0;
  const auto out = TempFile("run" + std::to_string(++n) + ".out");
  const auto err = TempFile("run" + std::to_string(n) + ".err");
  const std::string line = "cd '" + folder.string() + "' && " + command + " >'" + out.string() +
                           "' 2>'" + err.string() + "' </dev/null";
  const int rc = std::system(line.c_str());
  Result r;
  r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  r.out = ReadAll(out);
  r.err = ReadAll(err);
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return r;
}

}  // namespace heli::testing
