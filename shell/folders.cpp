#include "shell/folders.h"

#include <cstdlib>
#include <iostream>
#include <system_error>

#include "shell/options.h"
#include "shell/save_file.h"

#ifndef HELI_INSTALLED_DATA_DIR
#define HELI_INSTALLED_DATA_DIR "/usr/local/share/heli-rescue"
#endif

namespace heli {

namespace fs = std::filesystem;

namespace {

fs::path& CurrentDataFolder() {
  static fs::path folder = "data";
  return folder;
}

// Two spellings of one folder count once; a folder that does not exist is
// compared by its spelling.
bool SameFolder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  return fs::weakly_canonical(fs::absolute(a, ec), ec) ==
         fs::weakly_canonical(fs::absolute(b, ec), ec);
}

// Makes the save folder; an error text, or empty when it is there.
std::string MakeFolder(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (fs::is_directory(folder)) return {};
  return "cannot make the save folder " + folder.string() +
         (ec ? ": " + ec.message() : std::string());
}

}  // namespace

std::vector<fs::path> DataFolderCandidates(const std::string& given, const fs::path& exe_folder) {
  if (!given.empty()) return {fs::path(given)};
  std::vector<fs::path> all = {"data"};
  if (!exe_folder.empty()) {
    all.push_back(exe_folder / "data");
    all.push_back((exe_folder / ".." / "share" / "heli-rescue" / "data").lexically_normal());
  }
  all.push_back(fs::path(HELI_INSTALLED_DATA_DIR) / "data");
  std::vector<fs::path> unique;
  for (const fs::path& p : all) {
    bool seen = false;
    for (const fs::path& q : unique) seen = seen || SameFolder(p, q);
    if (!seen) unique.push_back(p);
  }
  return unique;
}

bool HoldsLevelFiles(const fs::path& folder) {
  std::error_code ec;
  return fs::is_regular_file(folder / "lev1.lta", ec);
}

std::optional<fs::path> FirstWithLevelFiles(const std::vector<fs::path>& candidates) {
  for (const fs::path& p : candidates)
    if (HoldsLevelFiles(p)) return p;
  return std::nullopt;
}

fs::path ExecutableFolder(const char* argv0) {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) {
    if (!argv0 || !*argv0) return {};
    exe = fs::path(argv0);
    // A bare name was found on the PATH; its folder cannot be told here.
    if (!exe.has_parent_path()) return {};
    exe = fs::absolute(exe, ec);
  }
  return exe.parent_path();
}

fs::path XdgSaveFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && fs::path(xdg).is_absolute()) return fs::path(xdg) / "heli-rescue";
  const char* home = std::getenv("HOME");
  if (home && *home) return fs::path(home) / ".local" / "share" / "heli-rescue";
  return {};
}

fs::path& CurrentProgramFolder() {
  static fs::path folder;
  return folder;
}

const fs::path& ProgramFolder() {
  return CurrentProgramFolder();
}

std::optional<int> SetUpFolders(const Options& options, const char* argv0) {
  CurrentProgramFolder() = ExecutableFolder(argv0);
  const auto candidates = DataFolderCandidates(options.data_dir, ExecutableFolder(argv0));
  if (auto found = FirstWithLevelFiles(candidates)) {
    SetDataFolder(*found);
  } else {
    // The game goes on to its menu, which names the file it could not read.
    SetDataFolder(candidates.front());
    std::cerr << "heli-rescue: no level files (lev1.lta) found; looked in:";
    for (const fs::path& p : candidates) std::cerr << " " << p.string();
    std::cerr << "\n";
  }

  fs::path save;
  if (!options.save_dir.empty()) {
    save = options.save_dir;
  } else if (options.save_dir_xdg) {
    save = XdgSaveFolder();
    if (save.empty()) {
      std::cerr << "heli-rescue: neither XDG_DATA_HOME nor HOME is set\n";
      return 1;
    }
  }
  if (!save.empty()) {
    if (std::string error = MakeFolder(save); !error.empty()) {
      std::cerr << "heli-rescue: " << error << "\n";
      return 1;
    }
    SetSaveFolder(save);
  }
  return std::nullopt;
}

fs::path NewScreenshotPath(const fs::path& folder, std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  const std::string base = std::string("heli-rescue-") + stamp;
  std::error_code ec;
  fs::path path = folder / (base + ".png");
  for (int n = 2; fs::exists(path, ec); ++n)
    path = folder / (base + "-" + std::to_string(n) + ".png");
  return path;
}

const fs::path& DataFolder() {
  return CurrentDataFolder();
}

void SetDataFolder(const fs::path& folder) {
  CurrentDataFolder() = folder;
}

}  // namespace heli
