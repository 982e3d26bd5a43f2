// lta_dump [-v] FILE.lta: one line per image of a level image file,
//   INDEX "NAME" KIND WxH BPP TRANSPARENT 0xBBGGRR
// (KIND dib, jpeg or none; TRANSPARENT yes or no; - for the size and bits of an
// image without a picture). -v adds the stored form's details and checks that
// every picture decodes.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "media/error.h"
#include "media/lta.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw media::Error("Cannot open file " + path);
  std::vector<std::uint8_t> data;
  std::uint8_t buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
    data.insert(data.end(), buffer, buffer + got);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw media::Error("Cannot open file " + path);
  return data;
}

}  // namespace

int main(int argc, char** argv) {
  bool verbose = false;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-v") {
      verbose = true;
    } else if (path.empty()) {
      path = arg;
    } else {
      path.clear();
      break;
    }
  }
  if (path.empty()) {
    std::fprintf(stderr, "usage: %s [-v] FILE.lta\n", argv[0]);
    return 2;
  }
  try {
    const auto items = media::ReadImageListFile(ReadFile(path), path);
    int index = 0;
    for (const auto& item : items) {
      const auto& p = item.Picture;
      const char* kind = p.kind == media::PictureKind::Dib    ? "dib"
                         : p.kind == media::PictureKind::Jpeg ? "jpeg"
                                                              : "none";
      std::string size = "-", bits = "-";
      if (p.kind != media::PictureKind::None) {
        size = std::to_string(p.width) + "x" + std::to_string(p.height);
        bits = std::to_string(p.bits);
      }
      std::printf("%d \"%s\" %s %s %s %s 0x%06X", index, item.Name.c_str(), kind, size.c_str(),
                  bits.c_str(), item.Transparent ? "yes" : "no", item.TransparentColor);
      if (verbose) {
        std::printf("  [%zu bytes%s", p.bytes.size(), p.bitfields ? ", bit fields" : "");
        if (item.PatternWidth || item.PatternHeight || item.SkipWidth || item.SkipHeight)
          std::printf(", pattern %dx%d skip %dx%d", item.PatternWidth, item.PatternHeight,
                      item.SkipWidth, item.SkipHeight);
        if (item.SystemMemory) std::printf(", system memory");
        if (p.kind != media::PictureKind::None) {
          try {
            media::DecodePicture(p, "item " + std::to_string(index));
            std::printf(", decodes");
          } catch (const media::Error& e) {
            std::printf(", DOES NOT DECODE: %s", e.what());
          }
        }
        std::printf("]");
      }
      std::printf("\n");
      ++index;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lta_dump: %s\n", e.what());
    return 1;
  }
  return 0;
}
