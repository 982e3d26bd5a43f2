// The level image file: reader on hand-made, truncated and corrupted streams,
// writer round trips for every DIB depth and JPEG, and the manifest builder.
#include "media/lta.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "imaging_fixtures.h"
#include "media/lta_writer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using fixtures::Busy;
using fixtures::MakeRgb;
using fixtures::ThrowsMediaError;
using media::PictureKind;

// --- a stream written by hand ------------------------------------------------------

struct Stream {
  Bytes b;
  Stream& U8(std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  Stream& U16(std::uint32_t v) { return U8(v).U8(v >> 8); }
  Stream& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  Stream& Str(const std::string& s) {
    U8(static_cast<std::uint32_t>(s.size()));
    b.insert(b.end(), s.begin(), s.end());
    return *this;
  }
  Stream& Raw(const Bytes& r) {
    b.insert(b.end(), r.begin(), r.end());
    return *this;
  }
};

Bytes SmallDib() {  // 2 x 1, 24 bits
  Stream s;
  s.Str("TDIB").U32(40).U32(2).U32(1).U16(1).U16(24).U32(0).U32(8).U32(0).U32(0).U32(0).U32(0);
  s.U8(0x10).U8(0x20).U8(0x30).U8(0x40).U8(0x50).U8(0x60).U8(0).U8(0);
  return s.b;
}

Bytes HandMadeFile() {
  Stream body;
  body.Raw({'T', 'P', 'F', '0'}).Str("TPictureCollectionComponent").Str("");
  body.Str("List").U8(14);
  // Item 0: every property, each value type.
  body.U8(1);
  body.Str("Name").U8(6).Str("vrtule");
  body.Str("PatternHeight").U8(3).U16(0);
  body.Str("PatternWidth").U8(4).U32(0);
  const Bytes pic = SmallDib();
  body.Str("Picture.Data").U8(10).U32(static_cast<std::uint32_t>(pic.size())).Raw(pic);
  body.Str("SkipHeight").U8(2).U8(0xFF);  // -1
  body.Str("SkipWidth").U8(3).U16(300);
  body.Str("SystemMemory").U8(9);
  body.Str("Transparent").U8(8);
  body.Str("TransparentColor").U8(7).Str("clAqua");
  body.U8(0);
  // Item 1, with an order value before it: nothing but a colour as an integer.
  body.U8(2).U8(1).U8(1);
  body.Str("TransparentColor").U8(4).U32(0xE7E12F);
  body.U8(0);
  // Item 2: empty, all defaults.
  body.U8(1).U8(0);
  body.U8(0);  // end of the collection
  body.U8(0);  // end of the properties
  body.U8(0);  // no children
  Stream f;
  f.U8(0xFF).U16(10).Raw({'T', 'P', 'C', 'C', 0}).U16(0x1030);
  f.U32(static_cast<std::uint32_t>(body.b.size())).Raw(body.b);
  return f.b;
}

TEST(LevelFile, ReadsEveryPropertyAndValueType) {
  const auto items = media::ReadImageListFile(HandMadeFile(), "hand.lta");
  ASSERT_EQ(items.size(), 3u);
  const auto& a = items[0];
  EXPECT_EQ(a.Name, "vrtule");
  EXPECT_EQ(a.PatternHeight, 0);
  EXPECT_EQ(a.PatternWidth, 0);
  EXPECT_EQ(a.SkipHeight, -1);
  EXPECT_EQ(a.SkipWidth, 300);
  EXPECT_TRUE(a.SystemMemory);
  EXPECT_FALSE(a.Transparent);
  EXPECT_EQ(a.TransparentColor, 0xFFFF00u);
  EXPECT_EQ(a.Picture.kind, PictureKind::Dib);
  EXPECT_EQ(a.Picture.bytes, SmallDib());
  EXPECT_EQ(a.ImageWidth(), 2);
  EXPECT_EQ(a.ImageHeight(), 1);
  const auto& b = items[1];
  EXPECT_EQ(b.TransparentColor, 0xE7E12Fu);
  EXPECT_TRUE(b.Transparent);  // defaults
  EXPECT_EQ(b.Name, "");
  EXPECT_EQ(b.Picture.kind, PictureKind::None);
  const auto& c = items[2];
  EXPECT_EQ(c.TransparentColor, 0u);
  EXPECT_FALSE(c.SystemMemory);
  EXPECT_EQ(c.SkipWidth, 0);
}

TEST(LevelFile, HeaderErrorsAreInvalidStreamFormat) {
  for (int patch : {0, 1, 2}) {
    Bytes f = HandMadeFile();
    f[static_cast<std::size_t>(patch)] ^= 0x01;
    try {
      media::ReadImageListFile(f, "x.lta");
      ADD_FAILURE() << patch;
    } catch (const media::Error& e) {
      EXPECT_EQ(std::string(e.what()), "Invalid stream format");
    }
  }
  Bytes f = HandMadeFile();
  f[14 + 3] = '1';  // "TPF1"
  EXPECT_THROW(media::ReadImageListFile(f, "x.lta"), media::Error);
  EXPECT_THROW(media::ReadImageListFile(Bytes{}, "x.lta"), media::Error);
}

TEST(LevelFile, ColourIdentifiersAreTheStandardNames) {
  const std::pair<const char*, media::TColor> names[] = {
      {"clBlack", 0x000000}, {"clMaroon", 0x000080},  {"clGreen", 0x008000},
      {"clOlive", 0x008080}, {"clNavy", 0x800000},    {"clPurple", 0x800080},
      {"clTeal", 0x808000},  {"clGray", 0x808080},    {"clSilver", 0xC0C0C0},
      {"clRed", 0x0000FF},   {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
      {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
      {"clWhite", 0xFFFFFF}};
  for (const auto& [name, value] : names) {
    EXPECT_EQ(media::ColorFromIdent(name), value) << name;
    EXPECT_EQ(media::ColorIdent(value), name);
  }
  EXPECT_EQ(media::ColorIdent(media::clRed), "clRed");
  EXPECT_EQ(media::ColorIdent(0xFFFE02), "");
  EXPECT_FALSE(media::ColorFromIdent("clBtnFace"));
  EXPECT_FALSE(media::ColorFromIdent("clNone"));
  // A file naming a system colour fails with the reader's error.
  Bytes f = HandMadeFile();
  const std::string aqua = "clAqua";
  auto it = std::search(f.begin(), f.end(), aqua.begin(), aqua.end());
  ASSERT_NE(it, f.end());
  std::memcpy(&*it, "clBtnF", 6);
  try {
    media::ReadImageListFile(f, "sys.lta");
    ADD_FAILURE();
  } catch (const media::Error& e) {
    EXPECT_NE(std::string(e.what()).find("Invalid property value"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("sys.lta"), std::string::npos);
  }
}

TEST(LevelFile, UnknownPropertiesAndWrongTypesAreErrors) {
  Bytes f = HandMadeFile();
  const std::string name = "SkipWidth";
  auto it = std::search(f.begin(), f.end(), name.begin(), name.end());
  std::memcpy(&*it, "SkipWidtX", 9);
  try {
    media::ReadImageListFile(f, "p.lta");
    ADD_FAILURE();
  } catch (const media::Error& e) {
    EXPECT_NE(std::string(e.what()).find("Property SkipWidtX does not exist"), std::string::npos)
        << e.what();
  }
  f = HandMadeFile();
  const std::string sm = "SystemMemory";
  it = std::search(f.begin(), f.end(), sm.begin(), sm.end());
  it[static_cast<std::ptrdiff_t>(sm.size())] = 6;  // a string where a Boolean belongs
  EXPECT_THROW(media::ReadImageListFile(f, "p.lta"), media::Error);
}

TEST(LevelFile, EveryTruncationThrows) {
  for (const Bytes& full : {HandMadeFile(), media::WriteImageListFile(media::ReadImageListFile(
                                                HandMadeFile(), "hand"))}) {
    ASSERT_FALSE(ThrowsMediaError([&] { media::ReadImageListFile(full, "full"); }));
    for (std::size_t n = 0; n < full.size(); ++n) {
      const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_TRUE(ThrowsMediaError([&] { media::ReadImageListFile(cut, "cut"); }))
          << "length " << n << " of " << full.size();
    }
  }
}

TEST(LevelFile, CorruptedFilesReadOrThrowButNeverCrash) {
  const Bytes full = HandMadeFile();
  int thrown = 0;
  for (std::size_t i = 0; i < full.size(); ++i) {
    for (std::uint8_t v : {0x00, 0x01, 0x07, 0x0E, 0x7F, 0xFF}) {
      Bytes bad = full;
      bad[i] = v;
      thrown += ThrowsMediaError([&] {
        media::ImageList list;
        list.LoadItemsFromMemory(bad, "corrupt");
        list.Initialize();
        media::Surface d(8, 8);
        for (int k = 0; k < list.Count(); ++k) {
          list.DrawImage(d, k, 0, 0);
          list.DrawRotated(d, k, 4, 4, 3, 3, 0.5, 0.5, 10, 128);
        }
      });
    }
  }
  EXPECT_GT(thrown, 0);
}

// --- writer round trips ------------------------------------------------------------

media::RgbImage Decoded(const Bytes& stored) {
  return media::DecodePicture(media::ParseStoredPicture(stored, "round trip"));
}

TEST(Writer, DibRoundTripsAtEveryDepth) {
  // Few colours: 1, 4 and 8 bits are exact.
  const media::RgbImage two = MakeRgb(13, 5, [](int x, int y, std::uint8_t* p) {
    const bool on = (x * y + x) % 3 == 0;
    p[0] = on ? 200 : 10;
    p[1] = on ? 100 : 20;
    p[2] = on ? 50 : 30;
  });
  const media::RgbImage sixteen = MakeRgb(17, 9, [](int x, int y, std::uint8_t* p) {
    const int i = (x + 3 * y) % 16;
    p[0] = static_cast<std::uint8_t>(i * 16);
    p[1] = static_cast<std::uint8_t>(255 - i * 7);
    p[2] = static_cast<std::uint8_t>(i * 3);
  });
  const media::RgbImage many = MakeRgb(31, 19, [](int x, int y, std::uint8_t* p) {
    const int i = (x * 7 + y * 11) % 250;
    p[0] = static_cast<std::uint8_t>(i);
    p[1] = static_cast<std::uint8_t>(i * 3);
    p[2] = static_cast<std::uint8_t>(255 - i);
  });
  for (const auto& [img, bits] :
       {std::pair{two, 1}, std::pair{sixteen, 4}, std::pair{many, 8}, std::pair{two, 8}}) {
    const Bytes stored = media::EncodeStoredDib(img, bits, false, std::nullopt);
    const auto p = media::ParseStoredPicture(stored, "dib");
    EXPECT_EQ(p.bits, bits);
    EXPECT_EQ(p.width, img.width);
    EXPECT_EQ(media::DecodePicture(p).rgb, img.rgb) << bits << " bits";
  }
  const auto busy = Busy(19, 7);
  for (int bits : {24, 32}) {
    const Bytes stored = media::EncodeStoredDib(busy, bits, false, std::nullopt);
    EXPECT_EQ(Decoded(stored).rgb, busy.rgb) << bits;
  }
  const Bytes bf32 = media::EncodeStoredDib(busy, 32, true, std::nullopt);
  const auto p32 = media::ParseStoredPicture(bf32, "bf32");
  EXPECT_TRUE(p32.bitfields);
  EXPECT_EQ(p32.bits, 32);
  EXPECT_EQ(media::DecodePicture(p32).rgb, busy.rgb);
  // 16 bits keep the RGB565 value exactly (and 5-5-5 its 15 bits).
  const Bytes bf16 = media::EncodeStoredDib(busy, 16, true, std::nullopt);
  const auto p16 = media::ParseStoredPicture(bf16, "bf16");
  EXPECT_TRUE(p16.bitfields);
  const auto d16 = media::DecodePicture(p16);
  const auto d555 = Decoded(media::EncodeStoredDib(busy, 16, false, std::nullopt));
  for (int y = 0; y < busy.height; ++y)
    for (int x = 0; x < busy.width; ++x) {
      EXPECT_EQ(fixtures::ReducedAt(d16, x, y), fixtures::ReducedAt(busy, x, y));
      const std::size_t i = (static_cast<std::size_t>(y) * busy.width + x) * 3;
      EXPECT_EQ(d555.rgb[i] >> 3, busy.rgb[i] >> 3);
      EXPECT_EQ(d555.rgb[i + 1] >> 3, busy.rgb[i + 1] >> 3);
    }
  EXPECT_THROW(media::EncodeStoredDib(busy, 24, true, std::nullopt), media::Error);
  EXPECT_THROW(media::EncodeStoredDib(busy, 2, false, std::nullopt), media::Error);
}

TEST(Writer, QuantisedPaletteKeepsTheKeyExactAndApart) {
  // Far more than 256 colours, a white key area, a near-white pixel and pixels close
  // to (but not reducing to) white.
  auto img = Busy(64, 40, 9);
  for (int x = 0; x < 64; ++x) fixtures::SetRgb(img, x, 0, 255, 255, 255);
  fixtures::SetRgb(img, 5, 5, 250, 253, 249);  // reduces to white: stays transparent
  fixtures::SetRgb(img, 6, 5, 240, 251, 240);  // does not: must stay opaque
  for (int bits : {1, 4, 8}) {
    int colours = 0;
    const Bytes stored = media::EncodeStoredDib(img, bits, false, media::clWhite, &colours);
    EXPECT_GT(colours, 1 << bits);
    // Entry 0 of the colour table is the key, exactly.
    const std::size_t table = 5 + 40;
    EXPECT_EQ(stored[table], 255);
    EXPECT_EQ(stored[table + 1], 255);
    EXPECT_EQ(stored[table + 2], 255);
    const auto back = Decoded(stored);
    const media::Pixel key = media::ReduceColor(media::clWhite);
    for (int y = 0; y < img.height; ++y)
      for (int x = 0; x < img.width; ++x)
        EXPECT_EQ(fixtures::ReducedAt(back, x, y) == key, fixtures::ReducedAt(img, x, y) == key)
            << bits << " bits at " << x << "," << y;
  }
  // An 8-bit quantised picture stays reasonably close.
  const auto back = Decoded(media::EncodeStoredDib(img, 8, false, media::clWhite));
  double error = 0;
  for (std::size_t i = 0; i < img.rgb.size(); ++i) error += std::abs(back.rgb[i] - img.rgb[i]);
  EXPECT_LT(error / static_cast<double>(img.rgb.size()), 40.0);
}

TEST(Writer, ExactPaletteWhenColoursFit) {
  auto img = MakeRgb(9, 9, [](int x, int y, std::uint8_t* p) {
    p[0] = static_cast<std::uint8_t>(x < 3 ? 0x30 : 0x80);
    p[1] = static_cast<std::uint8_t>(y < 5 ? 0xE1 : 0x10);
    p[2] = 0xE7;
  });
  fixtures::SetRgb(img, 4, 4, 0x2F, 0xE1, 0xE7);  // the key of vrt 3 "zidle"
  int colours = 0;
  const Bytes stored = media::EncodeStoredDib(img, 4, false, 0xE7E12F, &colours);
  EXPECT_EQ(colours, 5);
  EXPECT_EQ(Decoded(stored).rgb, img.rgb);
  EXPECT_EQ(stored[5 + 40], 0xE7);  // B, G, R of the key
  EXPECT_EQ(stored[5 + 41], 0xE1);
  EXPECT_EQ(stored[5 + 42], 0x2F);
  // A 1-bit shadow: the key and one colour fit exactly.
  const auto shadow = MakeRgb(
      47, 13, [](int x, int y, std::uint8_t* p) { p[0] = p[1] = p[2] = (x + y) % 3 ? 255 : 40; });
  const Bytes one = media::EncodeStoredDib(shadow, 1, false, media::clWhite, &colours);
  EXPECT_EQ(colours, 2);
  EXPECT_EQ(Decoded(one).rgb, shadow.rgb);
}

TEST(Writer, JpegRoundTripAtHighQualityKeepsTheKey) {
  auto img = MakeRgb(48, 40, [](int x, int y, std::uint8_t* p) {
    const bool key = x < 10 || y < 8;
    p[0] = key ? 2 : static_cast<std::uint8_t>(40 + x * 3);
    p[1] = key ? 254 : static_cast<std::uint8_t>(60 + y * 2);
    p[2] = key ? 255 : 90;
  });
  const Bytes stored = media::EncodeStoredJpeg(img, 95);
  const auto p = media::ParseStoredPicture(stored, "jpeg");
  EXPECT_EQ(p.kind, PictureKind::Jpeg);
  EXPECT_EQ(p.width, 48);
  EXPECT_EQ(p.height, 40);
  const auto back = media::DecodePicture(p);
  int worst = 0;
  for (std::size_t i = 0; i < img.rgb.size(); ++i)
    worst = std::max(worst, std::abs(back.rgb[i] - img.rgb[i]));
  EXPECT_LE(worst, 24);
  const media::Pixel key = media::ReduceColor(0xFFFE02);
  int keyed = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 48; ++x)
      if (x < 8 && y > 10) keyed += fixtures::ReducedAt(back, x, y) == key;
  EXPECT_GT(keyed, 8 * 29 * 9 / 10);  // well inside the key area, (nearly) all keyed
}

TEST(Writer, ImageListFileRoundTrips) {
  std::vector<media::PictureCollectionItem> items(4);
  items[0].Name = "vrtulnik";
  items[0].Picture = media::ParseStoredPicture(
      media::EncodeStoredDib(Busy(51, 115), 8, false, media::clWhite), "a");
  items[0].TransparentColor = media::clWhite;
  items[1].Name = "prazdne";
  items[1].TransparentColor = media::clWhite;
  items[2].Name = "nhra";
  items[2].Picture = media::ParseStoredPicture(media::EncodeStoredJpeg(Busy(20, 10), 80), "b");
  items[2].Transparent = false;
  items[2].TransparentColor = 0x24A225;
  items[3].Name = std::string(300, 'n');  // a long string
  items[3].PatternWidth = 1000;
  items[3].PatternHeight = -70000;
  items[3].SkipWidth = 3;
  items[3].SkipHeight = 2;
  items[3].SystemMemory = true;
  items[3].TransparentColor = 0x80000000u;
  const Bytes file = media::WriteImageListFile(items);
  EXPECT_EQ(file[0], 0xFF);
  const std::string ident = "clWhite";
  EXPECT_NE(std::search(file.begin(), file.end(), ident.begin(), ident.end()), file.end());
  const auto back = media::ReadImageListFile(file, "rt.lta");
  ASSERT_EQ(back.size(), items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(back[i].Name, items[i].Name);
    EXPECT_EQ(back[i].PatternWidth, items[i].PatternWidth);
    EXPECT_EQ(back[i].PatternHeight, items[i].PatternHeight);
    EXPECT_EQ(back[i].SkipWidth, items[i].SkipWidth);
    EXPECT_EQ(back[i].SkipHeight, items[i].SkipHeight);
    EXPECT_EQ(back[i].SystemMemory, items[i].SystemMemory);
    EXPECT_EQ(back[i].Transparent, items[i].Transparent);
    EXPECT_EQ(back[i].TransparentColor, items[i].TransparentColor);
    EXPECT_EQ(back[i].Picture.kind, items[i].Picture.kind);
    EXPECT_EQ(back[i].Picture.bytes, items[i].Picture.bytes);
  }
  EXPECT_EQ(media::WriteImageListFile(back), file);
}

// --- the manifest ------------------------------------------------------------------

class Manifest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fixtures::TestFolder();
    std::filesystem::create_directories(dir_ / "vrt");
  }
  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name) << text;
    return (dir_ / name).string();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

Bytes Bmp24(const media::RgbImage& img) {  // a BMP file with its 14-byte file header
  const Bytes dib = media::EncodeStoredDib(img, 24, false, std::nullopt);
  Stream s;
  s.U8('B').U8('M').U32(static_cast<std::uint32_t>(14 + dib.size() - 5)).U32(0).U32(14 + 40);
  s.Raw(Bytes(dib.begin() + 5, dib.end()));
  return s.b;
}

TEST_F(Manifest, BuildsEveryKindFromPngBmpAndJpeg) {
  // A PNG with an alpha channel: transparent pixels become the key, an opaque
  // pixel of the key colour is nudged.
  const auto rgb = Busy(8, 6, 4);
  std::vector<std::uint8_t> alpha(48, 255);
  alpha[0] = 0;
  alpha[1] = 127;
  alpha[2] = 128;
  auto with_key = rgb;
  fixtures::SetRgb(with_key, 3, 0, 128, 128, 128);
  media::SavePng((dir_ / "vrt" / "a.png").string(), with_key, &alpha);
  const Bytes bmp = Bmp24(Busy(5, 4, 7));
  std::ofstream(dir_ / "b.bmp", std::ios::binary)
      .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  const Bytes jpg = media::EncodeJpeg(Busy(16, 8, 1), 90);
  std::ofstream(dir_ / "c.jpg", std::ios::binary)
      .write(reinterpret_cast<const char*>(jpg.data()), static_cast<std::streamsize>(jpg.size()));
  const std::string manifest =
      Write("m.txt",
            "# index \"name\" kind bpp transparent color source\n"
            "0 \"vlaj1\" dib-bitfields 32 yes 0x808080 vrt/a.png size=8x6\n"
            "\n"
            "1 \"nositka plne1\" dib 8 yes clGray vrt/a.png  # comment\n"
            "2 \"b\" dib 24 no 0x24A225 b.bmp\n"
            "3 \"c\" jpeg 24 yes 0xFFFE02 c.jpg quality=97\n"
            "4 \"prazdne\" none - yes 0xFFFFFF -\n"
            "5 \"d\" dib-bitfields 16 yes clWhite b.bmp\n");
  const auto build = media::BuildFromManifest(manifest);
  ASSERT_EQ(build.items.size(), 6u);
  const auto& a = build.items[0];
  EXPECT_EQ(a.Name, "vlaj1");
  EXPECT_TRUE(a.Picture.bitfields);
  EXPECT_EQ(a.Picture.bits, 32);
  EXPECT_EQ(a.TransparentColor, 0x808080u);
  const auto da = media::DecodePicture(a.Picture);
  const media::Pixel gray = media::ReduceColor(media::clGray);
  EXPECT_EQ(fixtures::ReducedAt(da, 0, 0), gray);
  EXPECT_EQ(fixtures::ReducedAt(da, 1, 0), gray);
  EXPECT_EQ(fixtures::ReducedAt(da, 2, 0), fixtures::ReducedAt(rgb, 2, 0));
  EXPECT_NE(fixtures::ReducedAt(da, 3, 0), gray);  // nudged, still visible
  EXPECT_EQ(build.items[1].Name, "nositka plne1");
  EXPECT_EQ(build.items[1].Picture.bits, 8);
  EXPECT_EQ(build.items[2].Picture.bits, 24);
  EXPECT_FALSE(build.items[2].Transparent);
  EXPECT_EQ(media::DecodePicture(build.items[2].Picture).rgb, Busy(5, 4, 7).rgb);
  EXPECT_EQ(build.items[3].Picture.kind, PictureKind::Jpeg);
  EXPECT_EQ(build.items[3].Picture.width, 16);
  EXPECT_EQ(build.items[4].Picture.kind, PictureKind::None);
  EXPECT_EQ(build.items[5].Picture.bits, 16);
  // And the whole file reads back.
  const auto back = media::ReadImageListFile(media::WriteImageListFile(build.items), "m.lta");
  ASSERT_EQ(back.size(), 6u);
  EXPECT_EQ(back[1].TransparentColor, 0x808080u);
}

TEST_F(Manifest, RejectsMistakesWithTheLineNumber) {
  media::SavePng((dir_ / "a.png").string(), Busy(8, 6));
  const std::pair<std::string, std::string> bad[] = {
      {"1 \"x\" dib 8 yes 0 a.png\n", "out of order"},
      {"0 \"x\" dib 8 yes 0 a.png\n2 \"y\" dib 8 yes 0 a.png\n", ":2:"},
      {"0 \"x\" dib 8 yes 0 a.png size=8x7\n", "must be 8x7"},
      {"0 \"x\" dib 7 yes 0 a.png\n", "bits"},
      {"0 \"x\" dib-bitfields 24 yes 0 a.png\n", "16 or 32"},
      {"0 \"x\" jpeg 8 yes 0 a.png\n", "24"},
      {"0 \"x\" bmp 8 yes 0 a.png\n", "unknown kind"},
      {"0 \"x\" dib 8 maybe 0 a.png\n", "yes or no"},
      {"0 \"x\" dib 8 yes clBtnFace a.png\n", "colour"},
      {"0 \"x\" dib 8 yes 0 missing.png\n", "Cannot open file"},
      {"0 \"x\" dib 8 yes 0\n", "fields"},
      {"0 \"x dib 8 yes 0 a.png\n", "unterminated"},
      {"0 \"x\" jpeg 24 yes 0 a.png quality=101\n", "quality"},
      {"0 \"x\" none 8 yes 0 a.png\n", "none"},
  };
  for (const auto& [text, expect] : bad) {
    const std::string m = Write("bad.txt", text);
    try {
      media::BuildFromManifest(m);
      ADD_FAILURE() << text;
    } catch (const media::Error& e) {
      EXPECT_NE(std::string(e.what()).find(expect), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(media::BuildFromManifest((dir_ / "nothing.txt").string()), media::Error);
}

}  // namespace
