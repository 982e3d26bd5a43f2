#pragma once
// The save file: one byte in "uloz.dat", the level last reached by completing the
// one before it. It lives in the working folder unless a save folder is set.
#include <filesystem>

namespace heli {

struct GameState;

inline constexpr const char* kSaveFileName = "uloz.dat";

// The folder of the save file (and of the screenshots); empty: the working folder.
void SetSaveFolder(const std::filesystem::path& folder);
const std::filesystem::path& SaveFolder();
// The save file's path: kSaveFileName inside the save folder.
std::filesystem::path SaveFilePath();

// Reads the saved level into `level`. load_failed = 1, and `level` unchanged, when
// the file cannot be opened, is empty or holds a level outside 1 .. 9; the file is
// only read, never changed.
void LoadProgress(GameState& g);
// Writes `level` as the file's one byte, replacing the old file. Returns false when
// the file could not be written; the player is not told.
bool SaveProgress(const GameState& g);

}  // namespace heli
