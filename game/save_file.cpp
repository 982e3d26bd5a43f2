#include "game/save_file.h"

#include <fstream>

#include "game/state.h"

namespace heli {

namespace {
std::filesystem::path& Folder() {
  static std::filesystem::path folder;
  return folder;
}
}  // namespace

void SetSaveFolder(const std::filesystem::path& folder) {
  Folder() = folder;
}

const std::filesystem::path& SaveFolder() {
  return Folder();
}

std::filesystem::path SaveFilePath() {
  return Folder().empty() ? std::filesystem::path(kSaveFileName) : Folder() / kSaveFileName;
}

void LoadProgress(GameState& g) {
  g.load_failed = 1;
  std::ifstream in(SaveFilePath(), std::ios::binary);
  if (!in) return;
  char byte = 0;
  if (!in.get(byte)) return;
  const u8 saved = static_cast<u8>(byte);
  // A level the game has no layout and no pictures for is no saved game.
  if (saved < 1 || saved > 9) return;
  g.level = saved;
  g.load_failed = 0;
}

bool SaveProgress(const GameState& g) {
  std::ofstream out(SaveFilePath(), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.put(static_cast<char>(g.level));
  out.close();
  return !out.fail();
}

}  // namespace heli
