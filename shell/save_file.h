#pragma once
// The save file: one byte in "uloz.dat", the level last reached by completing the
// one before it. It lives in the working folder unless a save folder is set.
#include <filesystem>
#include <system_error>

namespace heli {

struct GameState;

inline constexpr const char* kSaveFileName = "uloz.dat";

// The folder of the save file (and of the screenshots); empty: the working folder.
void SetSaveFolder(const std::filesystem::path& folder);
const std::filesystem::path& SaveFolder();
// The save file's path: kSaveFileName inside the save folder.
std::filesystem::path SaveFilePath();

enum class LoadResult {
  Loaded,
  NoSave,      // there is no save file
  Unreadable,  // there is one, but it cannot be read, is empty or holds no level 1 .. 9
};

// Reads the saved level into `level`. load_failed = 1, and `level` unchanged, unless
// the result is Loaded; the file is only read, never changed.
LoadResult LoadProgress(GameState& g);
// Writes `level` as the file's one byte. The byte goes into a new file beside the
// save file, which is synced and then renamed over it, so that the save file is
// always whole: the old one or the new one. False, with the reason in `error`,
// when the save failed; until the rename, the old file is then as it was.
bool SaveProgress(const GameState& g, std::error_code* error = nullptr);

// The steps of a save, for tests that make one of them fail as a full disk, a
// read-only file system or a failing one would: every later save fails at `step`
// with the errno value `error`. SaveStep::None takes the fault away.
enum class SaveStep { None, Create, Write, Sync, Close, Rename, SyncFolder };
void SetSaveFault(SaveStep step, int error);

}  // namespace heli
