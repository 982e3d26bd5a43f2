// The stored picture format: DIB and JPEG readers on good, truncated and corrupted
// data, and the JPEG encoder's stream options.
#include "media/picture.h"

#include <gtest/gtest.h>

#include <cstring>

#include "imaging_fixtures.h"

namespace {

using fixtures::ThrowsMediaError;
using media::PictureKind;
using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A stored DIB built by hand, independent of the writer: class name, header, the
// table or masks (`extra`, 32-bit words), then the rows exactly as given.
Bytes Dib(int w, int h, int bits, std::uint32_t compression,
          const std::vector<std::uint32_t>& extra, const Bytes& rows,
          std::uint32_t colours_used = 0, const char* cls = "TDIB") {
  Bytes b;
  b.push_back(static_cast<std::uint8_t>(std::strlen(cls)));
  b.insert(b.end(), cls, cls + std::strlen(cls));
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(w));
  Put32(b, static_cast<std::uint32_t>(h));
  Put16(b, 1);
  Put16(b, static_cast<std::uint32_t>(bits));
  Put32(b, compression);
  Put32(b, static_cast<std::uint32_t>(rows.size()));
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, colours_used);
  Put32(b, 0);
  for (std::uint32_t v : extra) Put32(b, v);
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

// Palette entries are stored B, G, R, 0: as a 32-bit word that is 0x00RRGGBB.
constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

std::vector<std::uint32_t> Palette(int entries, std::vector<std::uint32_t> first) {
  first.resize(static_cast<std::size_t>(entries), 0);
  return first;
}

void ExpectRgb(const media::RgbImage& img, int x, int y, int r, int g, int b) {
  const std::uint8_t* p = &img.rgb[(static_cast<std::size_t>(y) * img.width + x) * 3];
  EXPECT_EQ(p[0], r) << "red at " << x << "," << y;
  EXPECT_EQ(p[1], g) << "green at " << x << "," << y;
  EXPECT_EQ(p[2], b) << "blue at " << x << "," << y;
}

Bytes Dib8() {  // 3 x 2: top row red green blue, bottom row blue green red
  return Dib(3, 2, 8, 0, Palette(256, {kRed, kGreen, kBlue}), {2, 1, 0, 0, 0, 1, 2, 0});
}

Bytes Dib1() {  // 10 x 2, 2 bytes of bits padded to 4
  return Dib(10, 2, 1, 0, Palette(2, {0x000000, 0xFFFFFF}),
             {0x00, 0x40, 0, 0,    // bottom row: pixel 9 white
              0xAA, 0x80, 0, 0});  // top row: 1010101010
}

Bytes Dib4() {  // 3 x 1, indices 5, 10, 15
  std::vector<std::uint32_t> pal;
  for (std::uint32_t i = 0; i < 16; ++i) pal.push_back((i * 16) << 16 | (255 - i * 16) << 8 | i);
  return Dib(3, 1, 4, 0, pal, {0x5A, 0xF0, 0, 0});
}

Bytes Dib24() {  // 2 x 2, rows of 6 bytes padded to 8
  return Dib(2, 2, 24, 0, {},
             {1, 2, 3, 4, 5, 6, 0, 0,  // bottom row: (3,2,1) (6,5,4)
              10, 20, 30, 40, 50, 60, 0, 0});
}

Bytes Dib16() {  // 3 x 1, RGB565 bit fields
  return Dib(3, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, {0x00, 0xF8, 0x1F, 0x00, 0x10, 0x84, 0, 0});
}

Bytes Dib32() {  // 2 x 1, 8-8-8 bit fields
  return Dib(2, 1, 32, 3, {0xFF0000, 0x00FF00, 0x0000FF},
             {0x56, 0x34, 0x12, 0x00, 0xFF, 0xFF, 0xFF, 0x00});
}

TEST(Picture, Decodes8BitDibBottomUpWithItsPalette) {
  const auto p = media::ParseStoredPicture(Dib8(), "dib8");
  EXPECT_EQ(p.kind, PictureKind::Dib);
  EXPECT_EQ(p.width, 3);
  EXPECT_EQ(p.height, 2);
  EXPECT_EQ(p.bits, 8);
  EXPECT_FALSE(p.bitfields);
  EXPECT_EQ(p.bytes, Dib8());
  const auto img = media::DecodePicture(p);
  ASSERT_EQ(img.rgb.size(), 18u);
  ExpectRgb(img, 0, 0, 255, 0, 0);
  ExpectRgb(img, 1, 0, 0, 255, 0);
  ExpectRgb(img, 2, 0, 0, 0, 255);
  ExpectRgb(img, 0, 1, 0, 0, 255);
  ExpectRgb(img, 2, 1, 255, 0, 0);
}

TEST(Picture, Decodes1And4BitDibs) {
  const auto one = media::DecodePicture(media::ParseStoredPicture(Dib1(), "dib1"));
  ASSERT_EQ(one.width, 10);
  for (int x = 0; x < 10; ++x) {
    const int top = x % 2 == 0 ? 255 : 0;
    ExpectRgb(one, x, 0, top, top, top);
    const int bottom = x == 9 ? 255 : 0;
    ExpectRgb(one, x, 1, bottom, bottom, bottom);
  }
  const auto four = media::DecodePicture(media::ParseStoredPicture(Dib4(), "dib4"));
  ExpectRgb(four, 0, 0, 80, 175, 5);
  ExpectRgb(four, 1, 0, 160, 95, 10);
  ExpectRgb(four, 2, 0, 240, 15, 15);
}

TEST(Picture, Decodes24BitAndBitFieldDibs) {
  const auto rgb = media::DecodePicture(media::ParseStoredPicture(Dib24(), "dib24"));
  ExpectRgb(rgb, 0, 0, 30, 20, 10);
  ExpectRgb(rgb, 1, 0, 60, 50, 40);
  ExpectRgb(rgb, 0, 1, 3, 2, 1);
  ExpectRgb(rgb, 1, 1, 6, 5, 4);

  const auto p16 = media::ParseStoredPicture(Dib16(), "dib16");
  EXPECT_EQ(p16.bits, 16);
  EXPECT_TRUE(p16.bitfields);
  const auto d16 = media::DecodePicture(p16);
  ExpectRgb(d16, 0, 0, 255, 0, 0);
  ExpectRgb(d16, 1, 0, 0, 0, 255);
  // Expanded exactly as the surface's Red8/Green8/Blue8, so it reduces back to 0x8410.
  ExpectRgb(d16, 2, 0, media::Red8(0x8410), media::Green8(0x8410), media::Blue8(0x8410));
  EXPECT_EQ(fixtures::ReducedAt(d16, 2, 0), 0x8410);

  const auto p32 = media::ParseStoredPicture(Dib32(), "dib32");
  EXPECT_EQ(p32.bits, 32);
  EXPECT_TRUE(p32.bitfields);
  const auto d32 = media::DecodePicture(p32);
  ExpectRgb(d32, 0, 0, 0x12, 0x34, 0x56);
  ExpectRgb(d32, 1, 0, 255, 255, 255);
}

TEST(Picture, DecodesTopDownDibAndShortColourTable) {
  // Height -2: the rows are stored top-down.
  Bytes b = Dib(1, 2, 8, 0, Palette(256, {kRed, kBlue}), {0, 0, 0, 0, 1, 0, 0, 0});
  const std::uint32_t minus_two = static_cast<std::uint32_t>(-2);
  std::memcpy(&b[5 + 8], &minus_two, 4);
  const auto img = media::DecodePicture(media::ParseStoredPicture(b, "top-down"));
  ASSERT_EQ(img.height, 2);
  ExpectRgb(img, 0, 0, 255, 0, 0);  // first stored row is the top one
  ExpectRgb(img, 0, 1, 0, 0, 255);

  // A colour table of 2 entries (colours used = 2) for 8 bits per pixel.
  const auto shortt = media::DecodePicture(
      media::ParseStoredPicture(Dib(2, 1, 8, 0, {kGreen, kBlue}, {1, 0, 0, 0}, 2), "short"));
  ExpectRgb(shortt, 0, 0, 0, 0, 255);
  ExpectRgb(shortt, 1, 0, 0, 255, 0);
}

TEST(Picture, EmptyClassNameIsNoPicture) {
  const auto p = media::ParseStoredPicture(Bytes{0}, "none");
  EXPECT_EQ(p.kind, PictureKind::None);
  EXPECT_TRUE(media::DecodePicture(p).rgb.empty());
}

TEST(Picture, RejectsBadHeadersWithMessagesNamingTheItem) {
  const std::vector<std::pair<Bytes, std::string>> bad = {
      {Dib(1, 1, 8, 0, Palette(256, {}), {0, 0, 0, 0}, 0, "TBitmap"), "not supported"},
      {Dib(4, 1, 2, 0, Palette(4, {}), {0, 0, 0, 0}), "bits per pixel"},
      {Dib(1, 1, 8, 1, Palette(256, {}), {0, 0, 0, 0}), "compression"},
      {Dib(0, 1, 24, 0, {}, {}), "size"},
      {Dib(9000, 1, 1, 0, Palette(2, {}), Bytes(1128, 0)), "size"},
      {Dib(1, 0, 24, 0, {}, {}), "size"},
      {Dib(1, 1, 24, 3, {0xFF0000, 0xFF00, 0xFF}, {0, 0, 0, 0}), "bit fields"},
      {Dib(1, 1, 16, 3, {0, 0x07E0, 0x001F}, {0, 0, 0, 0}), "mask"},
      {Dib(1, 1, 16, 3, {0xF0F0, 0x0F00, 0x000F}, {0, 0, 0, 0}), "contiguous"},
      {Dib(1, 1, 16, 3, {0xF8000, 0x07E0, 0x001F}, {0, 0, 0, 0}), "mask"},
      {Dib(1, 1, 8, 0, Palette(300, {}), {0, 0, 0, 0}, 300), "colour count"},
      {Dib(2, 2, 24, 0, {}, Bytes(15, 0)), "truncated"},
  };
  for (const auto& [bytes, text] : bad) {
    try {
      media::ParseStoredPicture(bytes, "item 7 \"x\"");
      ADD_FAILURE() << "accepted, expected " << text;
    } catch (const media::Error& e) {
      const std::string m = e.what();
      EXPECT_NE(m.find("item 7 \"x\""), std::string::npos) << m;
      EXPECT_NE(m.find(text), std::string::npos) << m;
    }
  }
  Bytes planes = Dib8();
  planes[5 + 12] = 2;
  EXPECT_TRUE(ThrowsMediaError([&] { media::ParseStoredPicture(planes, "planes"); }));
  Bytes os2 = Dib8();
  os2[5] = 12;
  EXPECT_TRUE(ThrowsMediaError([&] { media::ParseStoredPicture(os2, "os2"); }));
  EXPECT_TRUE(ThrowsMediaError([&] { media::ParseStoredPicture(Bytes{}, "empty"); }));
}

Bytes StoredJpeg(int w, int h, int quality = 90) {
  return media::EncodeStoredJpeg(fixtures::MakeRgb(w, h,
                                                   [](int x, int y, std::uint8_t* p) {
                                                     p[0] = static_cast<std::uint8_t>(x * 8);
                                                     p[1] = static_cast<std::uint8_t>(y * 8);
                                                     p[2] = 128;
                                                   }),
                                 quality);
}

TEST(Picture, JpegRoundTripIsCloseAndStreamIsBaseline444) {
  const auto src = fixtures::MakeRgb(32, 24, [](int x, int y, std::uint8_t* p) {
    p[0] = static_cast<std::uint8_t>(x * 8);
    p[1] = static_cast<std::uint8_t>(y * 10);
    p[2] = static_cast<std::uint8_t>(255 - x * 4);
  });
  const Bytes stored = media::EncodeStoredJpeg(src, 92);
  EXPECT_EQ(stored, media::EncodeStoredJpeg(src, 92));  // deterministic
  const auto p = media::ParseStoredPicture(stored, "jpeg");
  EXPECT_EQ(p.kind, PictureKind::Jpeg);
  EXPECT_EQ(p.width, 32);
  EXPECT_EQ(p.height, 24);
  EXPECT_EQ(p.bits, 24);
  const auto img = media::DecodePicture(p);
  ASSERT_EQ(img.rgb.size(), src.rgb.size());
  int worst = 0;
  for (std::size_t i = 0; i < src.rgb.size(); ++i)
    worst = std::max(worst, std::abs(img.rgb[i] - src.rgb[i]));
  EXPECT_LE(worst, 12);

  // The stream: "TJPEGImage", 32-bit count, SOI, JFIF APP0, SOF0 with 1x1 sampling.
  ASSERT_GT(stored.size(), 20u);
  EXPECT_EQ(stored[0], 10);
  EXPECT_EQ(std::string(stored.begin() + 1, stored.begin() + 11), "TJPEGImage");
  const std::uint32_t count = stored[11] | stored[12] << 8 | stored[13] << 16 | stored[14] << 24;
  EXPECT_EQ(count, stored.size() - 15);
  const Bytes jpeg(stored.begin() + 15, stored.end());
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  EXPECT_EQ(std::string(jpeg.begin() + 6, jpeg.begin() + 10), "JFIF");
  bool sof0 = false;
  for (std::size_t i = 2; i + 1 < jpeg.size();) {
    ASSERT_EQ(jpeg[i], 0xFF);
    const int marker = jpeg[i + 1];
    EXPECT_NE(marker, 0xC2) << "progressive";
    if (marker == 0xDA) break;
    const std::size_t len = jpeg[i + 2] << 8 | jpeg[i + 3];
    if (marker == 0xC0) {
      sof0 = true;
      const int components = jpeg[i + 9];
      EXPECT_EQ(components, 3);
      for (int c = 0; c < components; ++c)
        EXPECT_EQ(jpeg[i + 11 + 3 * c], 0x11) << "component " << c;
    }
    i += 2 + len;
  }
  EXPECT_TRUE(sof0);
}

TEST(Picture, EveryTruncationOfAStoredPictureThrows) {
  for (const Bytes& full :
       {Dib8(), Dib1(), Dib4(), Dib24(), Dib16(), Dib32(), StoredJpeg(16, 16)}) {
    ASSERT_FALSE(
        ThrowsMediaError([&] { media::DecodePicture(media::ParseStoredPicture(full, "x")); }));
    for (std::size_t n = 0; n < full.size(); ++n) {
      const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_TRUE(ThrowsMediaError([&] { media::ParseStoredPicture(cut, "cut"); }))
          << "length " << n << " of " << full.size();
    }
  }
}

TEST(Picture, EveryTruncationOfTheJpegStreamItselfThrows) {
  // The byte count agrees with the cut stream: the decoder must notice by itself.
  const Bytes full = StoredJpeg(16, 16);
  for (std::size_t n = 15; n < full.size(); ++n) {
    Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    const std::uint32_t count = static_cast<std::uint32_t>(n - 15);
    std::memcpy(&cut[11], &count, 4);
    EXPECT_TRUE(ThrowsMediaError([&] {
      media::DecodePicture(media::ParseStoredPicture(cut, "j"));
    })) << "length "
        << n;
  }
}

TEST(Picture, CorruptedPicturesDecodeOrThrowButNeverCrash) {
  int thrown = 0, decoded = 0;
  for (const Bytes& full :
       {Dib8(), Dib1(), Dib4(), Dib24(), Dib16(), Dib32(), StoredJpeg(16, 16)}) {
    for (std::size_t i = 0; i < full.size(); ++i) {
      for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
        Bytes bad = full;
        bad[i] ^= flip;
        const bool t = ThrowsMediaError([&] {
          const auto img = media::DecodePicture(media::ParseStoredPicture(bad, "corrupt"));
          EXPECT_EQ(img.rgb.size(), static_cast<std::size_t>(img.width) * img.height * 3);
        });
        (t ? thrown : decoded)++;
      }
    }
  }
  EXPECT_GT(thrown, 0);
  EXPECT_GT(decoded, 0);
}

TEST(Picture, JpegGarbageAndAbsurdSizesThrow) {
  EXPECT_TRUE(ThrowsMediaError([] { media::DecodeJpeg(Bytes{}, "empty"); }));
  EXPECT_TRUE(ThrowsMediaError([] { media::DecodeJpeg(Bytes(100, 0x55), "garbage"); }));
  // A JPEG whose frame header claims 9000 x 16.
  Bytes stored = StoredJpeg(16, 16);
  Bytes jpeg(stored.begin() + 15, stored.end());
  for (std::size_t i = 2; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 7] = 9000 >> 8;
      jpeg[i + 8] = 9000 & 0xFF;
      break;
    }
  }
  try {
    media::DecodeJpeg(jpeg, "huge");
    ADD_FAILURE() << "accepted 9000 pixels wide";
  } catch (const media::Error& e) {
    EXPECT_NE(std::string(e.what()).find("huge"), std::string::npos);
  }
  EXPECT_TRUE(ThrowsMediaError([] { media::EncodeJpeg(media::RgbImage{}, 90); }));
  EXPECT_TRUE(ThrowsMediaError([] { media::EncodeJpeg(fixtures::Busy(4, 4), 0); }));
}

}  // namespace
