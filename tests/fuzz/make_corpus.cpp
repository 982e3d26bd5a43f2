// Writes the seed corpora of the fuzz targets: small valid files of every kind the
// readers accept, made with the project's own writers.
//   fuzz_make_corpus OUT_FOLDER [ASSETS_FOLDER]
// writes OUT_FOLDER/<target>/<name>; with ASSETS_FOLDER, the small stored files from
// there are added as they are.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "media/lta_writer.h"
#include "media/picture.h"
#include "shell/demo.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

fs::path out;

void Write(const std::string& target, const std::string& name, const Bytes& bytes) {
  fs::create_directories(out / target);
  std::ofstream f(out / target / name, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
void Write(const std::string& target, const std::string& name, const std::string& text) {
  Write(target, name, Bytes(text.begin(), text.end()));
}

// A picture with a few colours in a pattern, so that palettes and masks matter.
media::RgbImage Pattern(int w, int h) {
  media::RgbImage img{w, h, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int c = (x / 2 + y) % 4;
      const std::uint8_t v[4][3] = {{255, 255, 255}, {10, 200, 30}, {200, 20, 90}, {0, 0, 0}};
      img.rgb.insert(img.rgb.end(), v[c], v[c] + 3);
    }
  return img;
}

void Put16(Bytes& b, std::uint16_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutId(Bytes& b, const char* id) {
  b.insert(b.end(), id, id + 4);
}

Bytes Wave(int channels, int rate, int bits, int frames, bool extra_chunk) {
  Bytes fmt;
  Put16(fmt, 1);
  Put16(fmt, static_cast<std::uint16_t>(channels));
  Put32(fmt, static_cast<std::uint32_t>(rate));
  Put32(fmt, static_cast<std::uint32_t>(rate * channels * bits / 8));
  Put16(fmt, static_cast<std::uint16_t>(channels * bits / 8));
  Put16(fmt, static_cast<std::uint16_t>(bits));
  Bytes samples;
  for (int i = 0; i < frames * channels * bits / 8; ++i)
    samples.push_back(static_cast<std::uint8_t>(i * 37));
  Bytes chunks;
  PutId(chunks, "fmt ");
  Put32(chunks, static_cast<std::uint32_t>(fmt.size()));
  chunks.insert(chunks.end(), fmt.begin(), fmt.end());
  if (extra_chunk) {
    PutId(chunks, "LIST");
    Put32(chunks, 3);
    chunks.insert(chunks.end(), {'a', 'b', 'c', 0});  // odd size, padded
  }
  PutId(chunks, "data");
  Put32(chunks, static_cast<std::uint32_t>(samples.size()));
  chunks.insert(chunks.end(), samples.begin(), samples.end());
  Bytes b;
  PutId(b, "RIFF");
  Put32(b, static_cast<std::uint32_t>(chunks.size() + 4));
  PutId(b, "WAVE");
  b.insert(b.end(), chunks.begin(), chunks.end());
  return b;
}

media::PictureCollectionItem Item(const std::string& name, const Bytes& stored) {
  media::PictureCollectionItem item;
  item.Name = name;
  item.Picture = media::ParseStoredPicture(stored, name);
  return item;
}

Bytes ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: fuzz_make_corpus OUT_FOLDER [ASSETS_FOLDER]\n";
    return 2;
  }
  out = argv[1];

  // Pictures: every DIB depth, with and without bit fields and a key, and a JPEG.
  const media::RgbImage small = Pattern(7, 5);
  const struct {
    int bits;
    bool bitfields;
  } depths[] = {{1, false},  {4, false},  {8, false}, {16, false},
                {24, false}, {32, false}, {16, true}, {32, true}};
  for (const auto& d : depths) {
    const Bytes stored = media::EncodeStoredDib(small, d.bits, d.bitfields, media::clWhite);
    Write("picture", "dib" + std::to_string(d.bits) + (d.bitfields ? "bf" : ""), stored);
  }
  Write("picture", "jpeg", media::EncodeStoredJpeg(Pattern(16, 9), 60));
  Write("picture", "none", Bytes{0});

  // Level image files: one of each picture kind, with patterns, skips, flags and
  // colours as identifiers and as numbers.
  std::vector<media::PictureCollectionItem> items;
  items.push_back(Item("start", media::EncodeStoredJpeg(Pattern(12, 8), 50)));
  items.push_back(Item("dib8", media::EncodeStoredDib(Pattern(8, 6), 8, false, media::clWhite)));
  items.back().PatternWidth = 4;
  items.back().PatternHeight = 3;
  items.back().SkipWidth = 1;
  items.back().SkipHeight = 1;
  items.back().TransparentColor = media::clWhite;
  items.push_back(Item("dib16", media::EncodeStoredDib(Pattern(5, 5), 16, true, std::nullopt)));
  items.back().Transparent = false;
  items.back().SystemMemory = true;
  items.back().TransparentColor = 0x123456;
  items.push_back(media::PictureCollectionItem{});  // an item without a picture
  items.back().Name = "prazdne";
  Write("image_list", "mixed.lta", media::WriteImageListFile(items));
  Write("image_list", "one.lta", media::WriteImageListFile(std::span(items).subspan(1, 1)));
  Write("image_list", "empty.lta", media::WriteImageListFile({}));

  // Recordings: every format the reader takes.
  Write("wave", "mono8", Wave(1, 11025, 8, 12, false));
  Write("wave", "mono16", Wave(1, 22050, 16, 9, true));
  Write("wave", "stereo8", Wave(2, 8000, 8, 5, false));
  Write("wave", "stereo16", Wave(2, 44100, 16, 7, true));

  // Demos: every command, comments and blank lines.
  Write("demo", "full.demo",
        "heli-demo 1\nrate 60\nseed 1234\n# the intro\n@10 press Escape\n@11 mouse 400 100\n"
        "@12 click\n\n@16 hold A Up Left\n@20 hold\t PageUp Space M F1 I Enter\r\n"
        "@30 press Down\n@400 end\n");
  Write("demo", "short.demo", "heli-demo 1\n@0 end");
  heli::Demo d;
  d.rate = 1000;
  d.seed = 4294967295u;
  d.events.push_back({0, heli::DemoEvent::Kind::Mouse, {}, -5, 700});
  d.events.push_back({5, heli::DemoEvent::Kind::Hold, {37, 39, 33, 34, 90}, 0, 0});
  Write("demo", "formatted.demo", heli::FormatDemo(d));

  // Save files: each level, an empty file, levels out of range, extra bytes.
  for (int level : {1, 2, 9})
    Write("save", "level" + std::to_string(level), Bytes{std::uint8_t(level)});
  Write("save", "empty", Bytes{});
  Write("save", "zero", Bytes{0});
  Write("save", "ten", Bytes{10});
  Write("save", "long", Bytes{3, 4, 5});

  // The small stored files of the game itself.
  if (argc > 2) {
    const fs::path assets = argv[2];
    if (fs::is_regular_file(assets / "window.lta"))
      Write("image_list", "window.lta", ReadFile(assets / "window.lta"));
    if (fs::is_regular_file(assets / "sounds" / "07_klik.wav"))
      Write("wave", "klik.wav", ReadFile(assets / "sounds" / "07_klik.wav"));
  }
  return 0;
}
