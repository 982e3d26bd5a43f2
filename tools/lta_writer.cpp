// lta_writer MANIFEST OUT.lta: builds a level image file from a manifest (format in
// media/lta_writer.h), one image a line:
//   # index "name" kind bpp transparent color source [quality=N] [size=WxH]
//   0 "vrtulnik" dib 8 yes 0xFFFFFF vrt/00_vrtulnik.png
//   4 "vlaj1" dib-bitfields 32 yes 0x808080 ostrovy/04_vlaj1.png
//   16 "zakladna2" jpeg 24 yes 0xFFFE02 ostrovy/16_zakladna2.png quality=95
//   26 "prazdne" none - yes 0xFFFFFF -
#include "media/lta_writer.h"

#include <cstdio>
#include <exception>
#include <string>

#include "media/error.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s MANIFEST OUT.lta\n", argv[0]);
    return 2;
  }
  try {
    const media::ManifestBuild build = media::BuildFromManifest(argv[1]);
    for (const std::string& note : build.notes) std::fprintf(stderr, "note: %s\n", note.c_str());
    const std::vector<std::uint8_t> file = media::WriteImageListFile(build.items);
    const std::string out = argv[2];
    const std::string temp = out + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) throw media::Error("Cannot create file " + temp);
    const bool ok = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    if (std::fclose(f) != 0 || !ok) {
      std::remove(temp.c_str());
      throw media::Error("Cannot write file " + temp);
    }
    if (std::rename(temp.c_str(), out.c_str()) != 0) {
      std::remove(temp.c_str());
      throw media::Error("Cannot create file " + out);
    }
    std::printf("%s: %zu images, %zu bytes\n", out.c_str(), build.items.size(), file.size());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lta_writer: %s\n", e.what());
    return 1;
  }
  return 0;
}
