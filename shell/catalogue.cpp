#include "shell/catalogue.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "assets/embedded.h"
#include "media/lta.h"
#include "media/wave.h"
#include "shell/form.h"
#include "shell/level_flow.h"

namespace heli {

namespace {

const char* KindName(media::PictureKind kind) {
  switch (kind) {
    case media::PictureKind::Dib:
      return "dib";
    case media::PictureKind::Jpeg:
      return "jpeg";
    case media::PictureKind::None:
      break;
  }
  return "none";
}

std::string PictureLine(const std::string& list, int index,
                        const media::PictureCollectionItem& item) {
  const media::StoredPicture& p = item.Picture;
  std::string size = "-", bits = "-";
  if (p.kind != media::PictureKind::None) {
    size = std::to_string(p.width) + "x" + std::to_string(p.height);
    bits = std::to_string(p.bits);
  }
  char colour[16];
  std::snprintf(colour, sizeof colour, "0x%06X", static_cast<unsigned>(item.TransparentColor));
  return list + " " + std::to_string(index) + " \"" + item.Name + "\" " + KindName(p.kind) + " " +
         size + " " + bits + " " + (item.Transparent ? "yes" : "no") + " " + colour;
}

// Lists one image list file; false when it cannot be read.
bool PrintList(const std::string& list, std::span<const std::uint8_t> data, const std::string& what,
               std::ostream& out, std::ostream& err) {
  try {
    const auto items = media::ReadImageListFile(data, what);
    for (std::size_t i = 0; i < items.size(); ++i)
      out << PictureLine(list, static_cast<int>(i), items[i]) << '\n';
    return true;
  } catch (const std::exception& e) {
    err << "heli-rescue: " << e.what() << '\n';
    return false;
  }
}

bool PrintSounds(std::ostream& out, std::ostream& err) {
  bool ok = true;
  const auto waves = StoredWaves();
  for (int i = 0; i < static_cast<int>(waves.size()); ++i) {
    out << "DXWaveList1 " << i << " \"" << waves[i].name << "\" "
        << (waves[i].looped ? "yes" : "no") << ' ';
    const auto bytes = assets::Embedded(StoredWaveFile(i));
    if (bytes.empty()) {
      out << "- - - 0\n";
      continue;
    }
    try {
      const media::WaveData wave = media::ReadWave(bytes);
      out << wave.channels << ' ' << wave.rate << ' ' << wave.bits << ' ' << wave.samples.size()
          << '\n';
    } catch (const std::exception& e) {
      out << "- - - 0\n";
      err << "heli-rescue: " << StoredWaveFile(i) << ": " << e.what() << '\n';
      ok = false;
    }
  }
  return ok;
}

}  // namespace

int PrintCatalogue(std::ostream& out, std::ostream& err) {
  bool ok = true;
  for (const char* list : {"vrt", "ostrovy", "window"}) {
    const std::string file = std::string(list) + ".lta";
    const auto bytes = assets::Embedded(file);
    if (bytes.empty()) {
      err << "heli-rescue: the built-in list " << file << " is missing\n";
      ok = false;
      continue;
    }
    ok = PrintList(list, bytes, file, out, err) && ok;
  }
  // Level picture files are read from the working folder, as the game reads them.
  for (int n = 1; n <= 9; ++n) {
    const std::string path = LevelFilePath(n);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) continue;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      err << "heli-rescue: Cannot open file " << path << '\n';
      ok = false;
      continue;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    ok = PrintList("lev" + std::to_string(n), bytes, path, out, err) && ok;
  }
  ok = PrintSounds(out, err) && ok;
  return ok ? 0 : 1;
}

}  // namespace heli
