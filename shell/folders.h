#pragma once
// Where the program finds its level picture files and keeps its save file and
// screenshots, so that it starts from any folder, installed or not.
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace heli {

struct Options;

// The places to look for the data folder, best first: `given` alone when it is not
// empty; otherwise data/ in the working folder, data/ beside the executable, the
// installed data folder relative to the executable (../share/heli-rescue/data) and
// the installed data folder compiled into the program. Duplicates are left out.
std::vector<std::filesystem::path> DataFolderCandidates(const std::string& given,
                                                        const std::filesystem::path& exe_folder);
// A folder holds the level files when the first level's picture file is there.
bool HoldsLevelFiles(const std::filesystem::path& folder);
// The first candidate that holds the level files; none when no candidate does.
std::optional<std::filesystem::path> FirstWithLevelFiles(
    const std::vector<std::filesystem::path>& candidates);

// The folder of the running program ($0's folder when the system cannot tell).
std::filesystem::path ExecutableFolder(const char* argv0);

// The player's own data folder: $XDG_DATA_HOME/heli-rescue, or
// ~/.local/share/heli-rescue when that is unset or not absolute. Empty when
// neither it nor $HOME is set.
std::filesystem::path XdgSaveFolder();

// Chooses the data folder and the save folder from the command line, creating the
// save folder when missing. Problems go to stderr; the result is an exit status
// when the program cannot go on (a save folder that cannot be made).
std::optional<int> SetUpFolders(const Options& options, const char* argv0);

// A file name for a new screenshot in `folder`: heli-rescue-YYYYMMDD-HHMMSS.png at
// the local time `now`, with -2, -3, ... added when that file is there already.
std::filesystem::path NewScreenshotPath(const std::filesystem::path& folder, std::time_t now);

// The running program's folder, as SetUpFolders found it (empty until then).
const std::filesystem::path& ProgramFolder();

// The data folder the level picture files are read from ("data" until set).
const std::filesystem::path& DataFolder();
void SetDataFolder(const std::filesystem::path& folder);

}  // namespace heli
