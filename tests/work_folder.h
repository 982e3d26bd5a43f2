#pragma once
// A fresh, empty working folder for tests that read or write files relative to it
// (the save file, the level picture files); the test's own folder is restored and
// the temporary one removed afterwards.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

namespace heli::testing {

namespace fs = std::filesystem;

// The level picture files the build copies beside the program.
inline fs::path BuiltLevelFile(int n) {
  return fs::path(HELI_BINARY_DIR) / "data" / ("lev" + std::to_string(n) + ".lta");
}

inline bool LevelFilesBuilt() {
  for (int n : {1, 2, 4, 6, 8})
    if (!fs::is_regular_file(BuiltLevelFile(n))) return false;
  return true;
}

class WorkFolder {
 public:
  WorkFolder() : previous_(fs::current_path()) {
    std::string name = (fs::temp_directory_path() / "heli-work-XXXXXX").string();
    if (mkdtemp(name.data())) path_ = name;
    fs::current_path(path_);
  }
  ~WorkFolder() {
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::remove_all(path_, ec);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  // Links the built level picture files into data/, all but those named.
  void LinkLevelFiles(std::initializer_list<int> left_out = {}) {
    fs::create_directories("data");
    for (int n : {1, 2, 4, 6, 8}) {
      bool skip = false;
      for (int m : left_out) skip = skip || m == n;
      if (!skip)
        fs::create_symlink(BuiltLevelFile(n), fs::path("data") / BuiltLevelFile(n).filename());
    }
  }

  static void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  static std::string Read(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  fs::path previous_;
  fs::path path_;
};

}  // namespace heli::testing
