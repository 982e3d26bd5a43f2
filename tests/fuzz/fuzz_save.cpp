// The save file as the menu's saved-game button reads it: the bytes are written as
// uloz.dat in a temporary save folder and LoadProgress runs on a game whose level
// is a given one. Only a first byte of 1 .. 9 is loaded; anything else, an empty file
// included, leaves the level as it was; the file is never changed.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_check.h"
#include "game/state.h"
#include "shell/save_file.h"

namespace {

std::filesystem::path work_folder;

void RemoveWorkFolder() {
  std::error_code ec;
  std::filesystem::remove_all(work_folder, ec);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string name = (std::filesystem::temp_directory_path() / "heli-fuzz-save-XXXXXX").string();
  if (!mkdtemp(name.data())) std::abort();
  work_folder = name;
  heli::SetSaveFolder(work_folder);
  std::atexit(RemoveWorkFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out(heli::SaveFilePath(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good());
  }
  // Every level the game may be on when the button is clicked, and a stale flag.
  for (const heli::u8 before : {1, 5, 9}) {
    heli::GameState g;
    g.level = before;
    g.load_failed = static_cast<heli::u8>(size & 1);
    heli::LoadProgress(g);
    const bool valid = size >= 1 && data[0] >= 1 && data[0] <= 9;
    if (valid) {
      FUZZ_CHECK(g.load_failed == 0);
      FUZZ_CHECK(g.level == data[0]);
    } else {
      FUZZ_CHECK(g.load_failed == 1);
      FUZZ_CHECK(g.level == before);
    }
  }
  std::ifstream in(heli::SaveFilePath(), std::ios::binary);
  const std::string after{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  FUZZ_CHECK(after == bytes);
  return 0;
}
