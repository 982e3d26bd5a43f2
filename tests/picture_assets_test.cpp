// The stored built-in pictures: both catalogues item by item, the window's
// pictures, and that every colour key covers exactly the area its source meant
// to be transparent (no fringes, no holes), plus the places the game relies on:
// land and buildings covering their inner area, menu buttons that fit their
// background; and that the English lists and level files can replace the Czech
// ones whole.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "assets/embedded.h"
#include "digest.h"
#include "media/image_list.h"
#include "media/lta.h"
#include "media/surface.h"

namespace {

using media::PictureKind;
using media::TColor;

struct Entry {
  int index;
  const char* name;
  PictureKind kind;
  int width, height, bits;
  bool bitfields;
  bool transparent;
  TColor colour;
};

constexpr PictureKind D = PictureKind::Dib, J = PictureKind::Jpeg, N = PictureKind::None;

const std::vector<Entry> kVrt = {
    {0, "vrtulnik", D, 51, 115, 8, false, true, 0xFFFFFF},
    {1, "stin", D, 47, 113, 1, false, true, 0xFFFFFF},
    {2, "vrtule", D, 98, 98, 8, false, true, 0xFFFFFF},
    {3, "zidle", D, 18, 17, 8, false, true, 0xE7E12F},
    {4, "s_ostrov", D, 29, 24, 8, false, true, 0x000000},
    {5, "s_palivo", D, 33, 20, 8, false, true, 0x000000},
    {6, "s_zakladna", D, 30, 25, 8, false, true, 0x000000},
    {7, "s_vrt", D, 17, 31, 8, false, true, 0x030708},
    {8, "s_tamrox", D, 65, 65, 8, false, true, 0x000000},
    {9, "vy1", D, 125, 105, 24, false, true, 0x000000},
    {10, "vy2", D, 125, 105, 24, false, true, 0x000000},
    {11, "vy3", D, 125, 105, 24, false, true, 0x000000},
    {12, "vy4", D, 125, 105, 24, false, true, 0x000000},
    {13, "vy5", D, 125, 105, 24, false, true, 0x000000},
    {14, "vy6", D, 125, 105, 24, false, true, 0x000000},
    {15, "pa1", D, 35, 24, 8, false, true, 0xFFFFFF},
    {16, "pa2", D, 35, 24, 8, false, true, 0xFFFFFF},
    {17, "pa3", D, 35, 24, 8, false, true, 0xFFFFFF},
    {18, "pa4", D, 35, 24, 8, false, true, 0xFFFFFF},
    {19, "pa5", D, 35, 24, 8, false, true, 0xFFFFFF},
    {20, "pastin", D, 35, 24, 8, false, true, 0xFFFFFF},
    {21, "nhra", D, 255, 71, 24, false, false, 0x24A225},
    {22, "ulozeni", D, 247, 71, 24, false, false, 0x24A225},
    {23, "navrat", D, 249, 75, 24, false, false, 0x209839},
    {24, "konec", D, 243, 71, 24, false, false, 0x117726},
    {25, "sorry", D, 431, 61, 4, false, true, 0xFFFFFF},
    {26, "prazdne", N, 0, 0, 0, false, true, 0xFFFFFF},
    {27, "konec_hry", D, 349, 53, 4, false, true, 0xFFFFFF},
    {28, "ovladani", D, 534, 69, 8, false, false, 0x000000},
    {29, "pada", D, 36, 22, 8, false, true, 0x808080},
    {30, "vrtule_voda", D, 98, 98, 24, false, true, 0xFFFF00},
    {31, "pozadi_menu", J, 800, 600, 24, false, false, 0x223738},
    {32, "skvrna", D, 37, 27, 8, false, true, 0x808080},
    {33, "voj_vrtulnik", D, 51, 115, 8, false, true, 0xFFFF00},
    {34, "s_vrt_boj", D, 17, 31, 8, false, true, 0x000000},
    {35, "zeleny_strov", D, 29, 24, 8, false, true, 0xFFFFFF},
};

const std::vector<Entry> kOstrovy = {
    {0, "hodiny", D, 96, 96, 24, false, true, 0xFFFF00},
    {1, "raficka", D, 4, 40, 8, false, false, 0x000000},
    {2, "mapa", J, 801, 526, 24, false, false, 0xA68837},
    {3, "start", J, 126, 163, 24, false, true, 0xFFFF01},
    {4, "vlaj1", D, 62, 55, 32, true, true, 0x808080},
    {5, "vlaj2", D, 62, 55, 32, true, true, 0x808080},
    {6, "vlaj3", D, 62, 55, 32, true, true, 0x808080},
    {7, "vlaj4", D, 62, 55, 32, true, true, 0x808080},
    {8, "nositka prazdne1", D, 71, 25, 8, false, true, 0x808080},
    {9, "nositka prazdne2", D, 71, 25, 8, false, true, 0x808080},
    {10, "nositka plne1", D, 71, 25, 8, false, true, 0x808080},
    {11, "nositka plne2", D, 71, 25, 8, false, true, 0x808080},
    {12, "striska", D, 13, 32, 8, false, false, 0x000000},
    {13, "zakl_nulova", D, 97, 112, 16, true, true, 0x808080},
    {14, "zakl_zelena", D, 97, 112, 16, true, true, 0x808080},
    {15, "zakl_cervena", D, 97, 112, 16, true, true, 0x808080},
    {16, "zakladna2", J, 289, 384, 24, false, true, 0xFFFE02},
    {17, "benzin_0", J, 97, 112, 24, false, true, 0x808080},
    {18, "benzin zeleny", J, 97, 112, 24, false, true, 0x808080},
    {19, "benzin cerveny", J, 97, 112, 24, false, true, 0x808080},
    {20, "benzin2", D, 191, 372, 24, false, true, 0xFFFF00},
    {21, "pozadi", J, 800, 600, 24, false, false, 0xFFFF01},
    {22, "vlny1", D, 57, 33, 1, false, true, 0x000000},
    {23, "vlny2", D, 57, 33, 1, false, true, 0x000000},
    {24, "vlny3", D, 57, 33, 1, false, true, 0x000000},
    {25, "vlny4", D, 57, 33, 1, false, true, 0x000000},
    {26, "trava1", J, 323, 291, 24, false, true, 0xFFFF01},
    {27, "trava2", J, 237, 367, 24, false, true, 0xFFFF01},
    {28, "trava3", J, 299, 253, 24, false, true, 0xFFFF01},
    {29, "soft", J, 764, 99, 24, false, false, 0xFFFFFF},
    {30, "intro", J, 800, 600, 24, false, false, 0x373737},
};

// The window's panel pictures; the gauge bars store the colour of their
// bottom-left pixel, which the window leaves out.
const std::vector<Entry> kWindow = {
    {0, "Image2", J, 775, 67, 24, false, false, 0x000000},
    {1, "gotacky", D, 38, 18, 8, false, false, 0x000000},
    {2, "grychlost", D, 38, 18, 24, false, false, 0x000000},
    {3, "gvyska", D, 38, 18, 24, false, false, 0x000000},
    {4, "gpalivo", D, 38, 18, 24, false, false, 0x1C1C1C},
    {5, "hlava", D, 21, 24, 8, false, false, 0x000000},
    {6, "Image4", D, 129, 57, 8, false, false, 0x000000},
};

std::filesystem::path Source(const std::string& rel) {
  return std::filesystem::path(HELI_SOURCE_DIR) / rel;
}

// Loads assets/NAME.lta and prepares every item. The lists are generated by
// tools/make-pictures; a checkout without them has nothing to check.
bool Load(const std::string& name, media::ImageList& list) {
  const auto path = Source("assets/" + name + ".lta");
  if (!std::filesystem::exists(path)) return false;
  list.LoadItemsFromFile(path.string());
  for (auto& item : list.Items()) item.Prepare();
  return true;
}

void CheckCatalogue(const std::string& name, const std::vector<Entry>& want) {
  media::ImageList list;
  if (!Load(name, list)) GTEST_SKIP() << "assets/" << name << ".lta not generated";
  ASSERT_EQ(list.Count(), static_cast<int>(want.size())) << name;
  for (const Entry& e : want) {
    SCOPED_TRACE(name + " " + std::to_string(e.index) + " " + e.name);
    const auto& item = list.Item(e.index);
    EXPECT_EQ(item.Name, e.name);
    EXPECT_EQ(item.Picture.kind, e.kind);
    EXPECT_EQ(item.Transparent, e.transparent);
    EXPECT_EQ(item.TransparentColor, e.colour);
    EXPECT_EQ(item.PatternWidth, 0);
    EXPECT_EQ(item.PatternHeight, 0);
    EXPECT_FALSE(item.SystemMemory);
    if (e.kind == N) {
      EXPECT_EQ(item.Prepared(), nullptr);
      continue;
    }
    EXPECT_EQ(item.Picture.width, e.width);
    EXPECT_EQ(item.Picture.height, e.height);
    EXPECT_EQ(item.Picture.bits, e.bits);
    if (e.kind == D) {
      EXPECT_EQ(item.Picture.bitfields, e.bitfields);
    }
    const media::Surface* s = item.Prepared();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Width(), e.width);
    EXPECT_EQ(s->Height(), e.height);
    EXPECT_EQ(item.ImageWidth(), e.width);
    EXPECT_EQ(item.ImageHeight(), e.height);
  }
}

TEST(PictureAssets, VrtMatchesItsCatalogue) {
  CheckCatalogue("vrt", kVrt);
}
TEST(PictureAssets, OstrovyMatchesItsCatalogue) {
  CheckCatalogue("ostrovy", kOstrovy);
}
TEST(PictureAssets, WindowPicturesMatchTheirLayout) {
  CheckCatalogue("window", kWindow);
}

// The key pixels of a prepared picture, one byte per pixel, rows top-down.
std::vector<std::uint8_t> KeyMask(const media::PictureCollectionItem& item) {
  const media::Surface* s = item.Prepared();
  std::vector<std::uint8_t> mask;
  if (!s) return mask;
  const media::Pixel key = media::ReduceColor(item.TransparentColor);
  for (int y = 0; y < s->Height(); ++y)
    for (int x = 0; x < s->Width(); ++x) mask.push_back(s->At(x, y) == key ? 1 : 0);
  return mask;
}

struct MaskRecord {
  long count;
  std::uint64_t hash;
};

// assets/src/pictures/LIST/masks (masks.en in English): "index count hash" of the
// intended transparent area of every keyed picture, written when the pictures are made.
std::map<int, MaskRecord> ReadMasks(const std::string& file) {
  std::map<int, MaskRecord> out;
  std::ifstream in(Source("assets/src/pictures/" + file));
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream ls(line);
    int index;
    long count;
    std::string hex;
    if (ls >> index >> count >> hex) out[index] = {count, std::stoull(hex, nullptr, 16)};
  }
  return out;
}

void CheckKeys(const std::string& name, const std::vector<Entry>& catalogue,
               const std::string& masks_file) {
  media::ImageList list;
  if (!Load(name, list)) GTEST_SKIP() << "assets/" << name << ".lta not generated";
  const auto masks = ReadMasks(masks_file);
  for (const Entry& e : catalogue) {
    if (e.kind == N || e.index >= list.Count()) continue;
    SCOPED_TRACE(name + " " + std::to_string(e.index) + " " + e.name);
    const auto mask = KeyMask(list.Item(e.index));
    long keyed = 0;
    for (auto m : mask) keyed += m;
    const auto it = masks.find(e.index);
    if (e.transparent) {
      ASSERT_NE(it, masks.end()) << "a keyed picture needs its intended mask";
    }
    if (it == masks.end()) continue;  // drawn opaque: its key is never used
    EXPECT_EQ(keyed, it->second.count);
    EXPECT_EQ(heli::testing::Fnv1a(mask.data(), mask.size()), it->second.hash)
        << "the key covers a different area than intended";
    EXPECT_GT(keyed, 0);
    EXPECT_LT(keyed, static_cast<long>(mask.size()));
  }
}

TEST(PictureAssets, VrtKeysCoverExactlyTheTransparentArea) {
  CheckKeys("vrt", kVrt, "vrt/masks");
  CheckKeys("en/vrt", kVrt, "vrt/masks.en");
}
TEST(PictureAssets, OstrovyKeysCoverExactlyTheTransparentArea) {
  CheckKeys("ostrovy", kOstrovy, "ostrovy/masks");
  CheckKeys("en/ostrovy", kOstrovy, "ostrovy/masks.en");
}
TEST(PictureAssets, WindowGaugesLeaveOutOnlyTheirEdgeRows) {
  CheckKeys("window", kWindow, "window/masks");
  CheckKeys("en/window", kWindow, "window/masks.en");
}

TEST(PictureAssets, GaugeBarsKeyIsTheirBottomLeftPixel) {
  media::ImageList list;
  if (!Load("window", list)) GTEST_SKIP() << "assets/window.lta not generated";
  for (int i = 1; i <= 4; ++i) {
    const auto& item = list.Item(i);
    const media::Surface* s = item.Prepared();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->At(0, s->Height() - 1), media::ReduceColor(item.TransparentColor)) << item.Name;
    // the bar itself is visible all along its middle row
    for (int x = 0; x < s->Width(); ++x)
      EXPECT_NE(s->At(x, s->Height() / 2), media::ReduceColor(item.TransparentColor)) << item.Name;
  }
}

// The game treats the area 20 px inside a land picture's edges as land (the two
// buildings' as a tall obstacle): it must be solid, with the key only outside it.
TEST(PictureAssets, LandAndBuildingsFillTheirInnerArea) {
  media::ImageList list;
  if (!Load("ostrovy", list)) GTEST_SKIP() << "assets/ostrovy.lta not generated";
  for (int index : {3, 16, 20, 26, 27, 28}) {
    const auto& item = list.Item(index);
    const media::Surface* s = item.Prepared();
    ASSERT_NE(s, nullptr);
    const media::Pixel key = media::ReduceColor(item.TransparentColor);
    long inner_keys = 0, corner_keys = 0;
    for (int y = 20; y < s->Height() - 20; ++y)
      for (int x = 20; x < s->Width() - 20; ++x) inner_keys += s->At(x, y) == key;
    for (int y : {0, s->Height() - 1})
      for (int x : {0, s->Width() - 1}) corner_keys += s->At(x, y) == key;
    EXPECT_EQ(inner_keys, 0) << item.Name;
    EXPECT_EQ(corner_keys, 4) << item.Name << ": the shore lies inside the picture";
  }
}

// A highlighted menu button is drawn over the background at a fixed place; its
// edges must continue the background there, or it shows as a box.
TEST(PictureAssets, MenuButtonsFitTheBackground) {
  media::ImageList list;
  if (!Load("vrt", list)) GTEST_SKIP() << "assets/vrt.lta not generated";
  const media::Surface* bg = list.Item(31).Prepared();
  ASSERT_NE(bg, nullptr);
  const struct {
    int index, x, y;
  } places[] = {{21, 291, 70}, {22, 295, 196}, {23, 295, 318}, {24, 291, 465}};
  for (const auto& p : places) {
    const media::Surface* b = list.Item(p.index).Prepared();
    ASSERT_NE(b, nullptr);
    long diff = 0, n = 0;
    for (int y = 0; y < b->Height(); ++y)
      for (int x = 0; x < b->Width(); ++x) {
        if (x > 2 && y > 2 && x < b->Width() - 3 && y < b->Height() - 3) continue;
        const media::Pixel a = b->At(x, y), c = bg->At(p.x + x, p.y + y);
        diff += std::abs(media::Red8(a) - media::Red8(c)) +
                std::abs(media::Green8(a) - media::Green8(c)) +
                std::abs(media::Blue8(a) - media::Blue8(c));
        ++n;
      }
    EXPECT_LT(static_cast<double>(diff) / n, 12.0) << list.Item(p.index).Name;
  }
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The game swaps a whole file for its English one: the same items in the same
// order, each picture of the same kind, size, bit depth and transparent colour.
// The pictures with words differ, so an English file the same as the Czech one
// would be a copy.
void CheckEnglish(const std::filesystem::path& czech, const std::filesystem::path& english) {
  SCOPED_TRACE(english.string());
  const auto cs_bytes = ReadBytes(czech), en_bytes = ReadBytes(english);
  ASSERT_FALSE(en_bytes.empty());
  const auto cs = media::ReadImageListFile(cs_bytes, czech.string());
  const auto en = media::ReadImageListFile(en_bytes, english.string());
  ASSERT_EQ(en.size(), cs.size());
  int differ = 0;
  for (std::size_t i = 0; i < cs.size(); ++i) {
    SCOPED_TRACE(std::to_string(i) + " " + cs[i].Name);
    EXPECT_EQ(en[i].Name, cs[i].Name);
    EXPECT_EQ(en[i].Picture.kind, cs[i].Picture.kind);
    EXPECT_EQ(en[i].Picture.width, cs[i].Picture.width);
    EXPECT_EQ(en[i].Picture.height, cs[i].Picture.height);
    EXPECT_EQ(en[i].Picture.bits, cs[i].Picture.bits);
    EXPECT_EQ(en[i].Picture.bitfields, cs[i].Picture.bitfields);
    EXPECT_EQ(en[i].Transparent, cs[i].Transparent);
    EXPECT_EQ(en[i].TransparentColor, cs[i].TransparentColor);
    differ += en[i].Picture.bytes != cs[i].Picture.bytes;
  }
  EXPECT_GT(differ, 0) << "no picture is in English";
}

TEST(PictureAssets, EnglishFilesReplaceTheCzechOnesWhole) {
  if (!std::filesystem::exists(Source("assets/en/vrt.lta"))) GTEST_SKIP() << "not generated";
  for (const std::string list : {"vrt", "ostrovy", "window"}) {
    const auto english = Source("assets/en/" + list + ".lta");
    CheckEnglish(Source("assets/" + list + ".lta"), english);
    // built in under the name the program asks for
    const auto built_in = assets::Embedded("en/" + list + ".lta");
    EXPECT_EQ(std::vector<std::uint8_t>(built_in.begin(), built_in.end()), ReadBytes(english))
        << list;
  }
  for (int n : {1, 2, 4, 6, 8}) {
    const std::string file = "lev" + std::to_string(n) + ".lta";
    const auto english = Source("assets/data/en/" + file);
    CheckEnglish(Source("assets/data/" + file), english);
    // copied beside the program
    EXPECT_EQ(ReadBytes(std::filesystem::path(HELI_BINARY_DIR) / "data" / "en" / file),
              ReadBytes(english))
        << file;
  }
}

}  // namespace
