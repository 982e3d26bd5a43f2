// DrawImage (clipping at every edge, colour key) and DrawRotated (geometry, alpha,
// colour key, clipping).
#include <gtest/gtest.h>

#include <cmath>

#include "imaging_fixtures.h"
#include "media/image_list.h"

namespace {

using fixtures::Busy;
using fixtures::Filled;
using fixtures::MakeItem;
using fixtures::MakeRgb;
using fixtures::ReducedAt;
using fixtures::SameSurface;
using media::Pixel;
using media::Surface;

constexpr Pixel kBack = 0x1234;

// The expected result of DrawImage, pixel by pixel.
Surface ReferenceDraw(const media::RgbImage& img, bool transparent, media::TColor key, int dw,
                      int dh, int x, int y) {
  Surface s = Filled(dw, dh, kBack);
  const Pixel k = media::ReduceColor(key);
  for (int sy = 0; sy < img.height; ++sy)
    for (int sx = 0; sx < img.width; ++sx) {
      const int dx = x + sx, dy = y + sy;
      if (dx < 0 || dy < 0 || dx >= dw || dy >= dh) continue;
      const Pixel p = ReducedAt(img, sx, sy);
      if (transparent && p == k) continue;
      s.Set(dx, dy, p);
    }
  return s;
}

// A picture with a frame of key-coloured (white) pixels in a pattern, one of them
// only near-white.
media::RgbImage KeyedPicture(int w, int h) {
  auto img = Busy(w, h, 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((x + 2 * y) % 5 == 0) fixtures::SetRgb(img, x, y, 255, 255, 255);
  if (w > 1 && h > 1) fixtures::SetRgb(img, 1, 1, 250, 253, 249);  // reduces to white as well
  return img;
}

TEST(DrawImage, ClipsAtEveryEdgeAndOffsetsTheVisiblePart) {
  const auto img = KeyedPicture(13, 9);
  for (bool transparent : {false, true}) {
    const auto item = MakeItem(img, transparent, media::clWhite);
    const std::pair<int, int> positions[] = {
        {5, 4},   {-4, 3},  {3, -5},      {33, 6},   {6, 27},   {-6, -4},        {30, 25},
        {-12, 0}, {0, -8},  {39, 0},      {0, 29},   {-13, 0},  {0, -9},         {40, 0},
        {0, 30},  {41, 31}, {-100, -100}, {1000, 5}, {5, 1000}, {-2000000000, 4}};
    for (const auto& [x, y] : positions) {
      Surface dest = Filled(40, 30, kBack);
      item.DrawImage(dest, x, y, 0);
      EXPECT_TRUE(SameSurface(dest, ReferenceDraw(img, transparent, media::clWhite, 40, 30, x, y)))
          << "at " << x << "," << y << " transparent " << transparent;
    }
  }
}

TEST(DrawImage, KeyDropsNearWhitePixelsToo) {
  const auto img = KeyedPicture(13, 9);
  const auto item = MakeItem(img, true, media::clWhite);
  Surface dest = Filled(20, 20, kBack);
  item.DrawImage(dest, 0, 0, 0);
  EXPECT_EQ(dest.At(1, 1), kBack);  // (250, 253, 249)
  EXPECT_EQ(dest.At(0, 0), kBack);  // white
  EXPECT_EQ(dest.At(1, 0), ReducedAt(img, 1, 0));
  ASSERT_NE(item.Prepared(), nullptr);
  EXPECT_EQ(item.Prepared()->ColorKey(), 0xFFFF);
  EXPECT_EQ(item.Prepared()->At(1, 1), 0xFFFF);  // the plain surface stays readable

  const auto opaque = MakeItem(img, false, media::clWhite);
  dest.Fill(kBack);
  opaque.DrawImage(dest, 0, 0, 0);
  EXPECT_EQ(dest.At(1, 1), 0xFFFF);
}

TEST(DrawImage, BadPatternOrUnpreparedDrawsNothing) {
  const auto img = Busy(8, 8);
  auto item = MakeItem(img, false, 0);
  Surface dest = Filled(16, 16, kBack);
  const Surface before = Filled(16, 16, kBack);
  item.DrawImage(dest, 0, 0, 1);
  item.DrawImage(dest, 0, 0, -1);
  item.DrawRotated(dest, 8, 8, 8, 8, 1, 0.5, 0.5, 0, 255);
  EXPECT_TRUE(SameSurface(dest, before));
  item.Drop();
  item.DrawImage(dest, 0, 0, 0);
  item.DrawRotated(dest, 8, 8, 8, 8, 0, 0.5, 0.5, 0, 255);
  EXPECT_TRUE(SameSurface(dest, before));
  Surface invalid;
  item.Prepare();
  item.DrawImage(invalid, 0, 0, 0);  // no surface at all: nothing, no crash
  item.DrawRotated(invalid, 0, 0, 8, 8, 0, 0.5, 0.5, 0, 255);
}

// --- DrawRotated -------------------------------------------------------------------

void Rotated(const media::PictureCollectionItem& item, Surface& dest, int x, int y, int w, int h,
             double cx, double cy, int angle, int alpha) {
  item.DrawRotated(dest, x, y, w, h, 0, cx, cy, angle, alpha);
}

TEST(DrawRotated, AngleZeroEqualsDrawImageAtTheCentreOffset) {
  for (const auto& [w, h] : {std::pair{12, 8}, std::pair{13, 9}, std::pair{98, 98},
                             std::pair{51, 115}, std::pair{1, 1}}) {
    for (bool transparent : {false, true}) {
      const auto img = KeyedPicture(w, h);
      const auto item = MakeItem(img, transparent, media::clWhite);
      Surface a = Filled(200, 200, kBack), b = Filled(200, 200, kBack);
      Rotated(item, a, 100, 90, w, h, 0.5, 0.5, 0, 255);
      item.DrawImage(b, 100 - w / 2, 90 - h / 2, 0);
      EXPECT_TRUE(SameSurface(a, b))
          << w << "x" << h << " differs in " << fixtures::CountDifferences(a, b) << " pixels";
    }
  }
}

TEST(DrawRotated, CentreChoosesThePointThatLandsOnXY) {
  const auto img = Busy(4, 40);  // the clock hand: centre (1, 1)
  const auto item = MakeItem(img, false, 0);
  Surface a = Filled(100, 100, kBack), b = Filled(100, 100, kBack);
  Rotated(item, a, 50, 60, 4, 40, 1.0, 1.0, 0, 255);
  item.DrawImage(b, 46, 20, 0);
  EXPECT_TRUE(SameSurface(a, b));
  a.Fill(kBack);
  b.Fill(kBack);
  Rotated(item, a, 10, 5, 4, 40, 0.0, 0.0, 256, 255);  // the intro caption: centre (0, 0)
  item.DrawImage(b, 10, 5, 0);
  EXPECT_TRUE(SameSurface(a, b));
}

TEST(DrawRotated, SixtyFourIsAQuarterTurnClockwise) {
  for (const auto& [w, h] : {std::pair{6, 4}, std::pair{98, 98}, std::pair{10, 30}}) {
    const auto img = Busy(w, h, 5);
    const auto item = MakeItem(img, false, 0);
    Surface a = Filled(200, 200, kBack);
    Rotated(item, a, 100, 100, w, h, 0.5, 0.5, 64, 255);
    // The picture turned clockwise: column i of the result is row h-1-i of the source.
    Surface b = Filled(200, 200, kBack);
    const int left = 100 - h / 2 + 1, top = 100 - w / 2;
    for (int j = 0; j < w; ++j)
      for (int i = 0; i < h; ++i) b.Set(left + i, top + j, ReducedAt(img, j, h - 1 - i));
    EXPECT_TRUE(SameSurface(a, b))
        << w << "x" << h << " differs in " << fixtures::CountDifferences(a, b) << " pixels";
    // The top-left source pixel ends at the top right.
    EXPECT_EQ(a.At(left + h - 1, top), ReducedAt(img, 0, 0));
  }
}

TEST(DrawRotated, AnglesWrapModulo256) {
  const auto img = KeyedPicture(21, 17);
  const auto item = MakeItem(img, true, media::clWhite);
  for (int angle : {0, 37, 64, 100, 128, 200}) {
    Surface a = Filled(80, 80, kBack), b = Filled(80, 80, kBack), c = Filled(80, 80, kBack);
    Rotated(item, a, 40, 40, 21, 17, 0.5, 0.3, angle, 255);
    Rotated(item, b, 40, 40, 21, 17, 0.5, 0.3, angle + 256, 255);
    Rotated(item, c, 40, 40, 21, 17, 0.5, 0.3, angle - 512, 255);
    EXPECT_TRUE(SameSurface(a, b)) << angle;
    EXPECT_TRUE(SameSurface(a, c)) << angle;
  }
}

TEST(DrawRotated, HalfTurnIsAPointMirror) {
  const auto img = Busy(10, 6);
  const auto item = MakeItem(img, false, 0);
  Surface a = Filled(40, 40, kBack);
  Rotated(item, a, 20, 20, 10, 6, 0.5, 0.5, 128, 255);
  // Offsets (dx, dy) come from the source point (-dx + 5, -dy + 3).
  for (int dy = -2; dy <= 3; ++dy)
    for (int dx = -4; dx <= 5; ++dx)
      EXPECT_EQ(a.At(20 + dx, 20 + dy), ReducedAt(img, 5 - dx, 3 - dy)) << dx << "," << dy;
  EXPECT_EQ(a.At(20 - 5, 20), kBack);
  EXPECT_EQ(a.At(20 + 6, 20), kBack);
}

TEST(DrawRotated, AlphaZeroNothingFullSolidHalfMixes) {
  const auto img = MakeRgb(8, 8, [](int, int, std::uint8_t* p) {
    p[0] = 250;
    p[1] = 10;
    p[2] = 128;
  });
  const auto item = MakeItem(img, false, 0);
  const Pixel back = media::Reduce(10, 250, 20);
  for (int alpha : {0, -5}) {
    Surface d = Filled(20, 20, back);
    Rotated(item, d, 10, 10, 8, 8, 0.5, 0.5, 0, alpha);
    EXPECT_TRUE(SameSurface(d, Filled(20, 20, back)));
  }
  for (int alpha : {255, 256, 1000}) {
    Surface d = Filled(20, 20, back);
    Rotated(item, d, 10, 10, 8, 8, 0.5, 0.5, 0, alpha);
    EXPECT_EQ(d.At(10, 10), media::Reduce(250, 10, 128)) << alpha;
    EXPECT_EQ(d.At(0, 0), back);
  }
  for (int alpha : {1, 20, 128, 254}) {
    Surface d = Filled(20, 20, back);
    Rotated(item, d, 10, 10, 8, 8, 0.5, 0.5, 0, alpha);
    const Pixel s = media::Reduce(250, 10, 128), b = back, got = d.At(10, 10);
    auto expect = [&](int sc, int dc) { return dc + (((sc - dc) * alpha) >> 8); };
    const int r = expect(media::Red8(s), media::Red8(b)) >> 3;
    const int g = expect(media::Green8(s), media::Green8(b)) >> 2;
    const int bl = expect(media::Blue8(s), media::Blue8(b)) >> 3;
    EXPECT_NEAR(got >> 11, r, 1) << alpha;
    EXPECT_NEAR((got >> 5) & 63, g, 1) << alpha;
    EXPECT_NEAR(got & 31, bl, 1) << alpha;
    EXPECT_EQ(d.At(0, 0), back);
  }
  // 128 is roughly half and half.
  Surface d = Filled(20, 20, media::Reduce(0, 0, 0));
  const auto white = MakeItem(
      MakeRgb(4, 4, [](int, int, std::uint8_t* p) { p[0] = p[1] = p[2] = 200; }), false, 0);
  Rotated(white, d, 10, 10, 4, 4, 0.5, 0.5, 0, 128);
  EXPECT_NEAR(media::Red8(d.At(10, 10)), 100, 8);
  EXPECT_NEAR(media::Green8(d.At(10, 10)), 100, 4);
}

TEST(DrawRotated, ColourKeyIncludingNearWhiteLeavesTheDestination) {
  const auto img = KeyedPicture(13, 9);
  for (int alpha : {255, 128}) {
    for (int angle : {0, 45, 64}) {
      const auto keyed = MakeItem(img, true, media::clWhite);
      const auto plain = MakeItem(img, false, media::clWhite);
      Surface a = Filled(40, 40, kBack), b = Filled(40, 40, kBack);
      Rotated(keyed, a, 20, 20, 13, 9, 0.5, 0.5, angle, alpha);
      Rotated(plain, b, 20, 20, 13, 9, 0.5, 0.5, angle, alpha);
      int kept = 0, drawn = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
          if (b.At(x, y) == kBack) {
            EXPECT_EQ(a.At(x, y), kBack);
            continue;
          }
          if (alpha == 255 && b.At(x, y) == 0xFFFF) {
            EXPECT_EQ(a.At(x, y), kBack) << x << "," << y;
            ++kept;
          } else if (alpha == 255) {
            EXPECT_EQ(a.At(x, y), b.At(x, y));
            ++drawn;
          }
        }
      if (alpha == 255) {
        EXPECT_GT(kept, 15);
        EXPECT_GT(drawn, 60);
      }
    }
  }
  // At angle 0 the near-white pixel (1, 1) is left out exactly where it lands.
  const auto keyed = MakeItem(img, true, media::clWhite);
  Surface a = Filled(40, 40, kBack);
  Rotated(keyed, a, 20, 20, 13, 9, 0.5, 0.5, 0, 255);
  EXPECT_EQ(a.At(20 - 6 + 1, 20 - 4 + 1), kBack);
  EXPECT_EQ(a.At(20 - 6 + 2, 20 - 4 + 1), ReducedAt(img, 2, 1));
}

TEST(DrawRotated, ScalesTheSourceRectangleToTheTargetSize) {
  const auto img = Busy(4, 3);
  const auto item = MakeItem(img, false, 0);
  Surface a = Filled(30, 30, kBack);
  Rotated(item, a, 10, 10, 8, 6, 0.5, 0.5, 0, 255);  // twice the size
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(a.At(6 + x, 7 + y), ReducedAt(img, x / 2, y / 2));
  EXPECT_EQ(a.At(5, 7), kBack);
  EXPECT_EQ(a.At(14, 7), kBack);
  EXPECT_EQ(a.At(6, 13), kBack);
  Surface b = Filled(30, 30, kBack);
  Rotated(item, b, 10, 10, 2, 3, 0.5, 0.5, 0, 255);  // half as wide
  EXPECT_EQ(b.At(9, 9), ReducedAt(img, 0, 0));
  EXPECT_EQ(b.At(10, 9), ReducedAt(img, 2, 0));
  EXPECT_EQ(b.At(11, 9), kBack);
}

TEST(DrawRotated, ZeroSizeOrOffScreenDrawsNothing) {
  const auto item = MakeItem(Busy(10, 10), false, 0);
  const Surface before = Filled(50, 50, kBack);
  Surface d = Filled(50, 50, kBack);
  Rotated(item, d, 25, 25, 0, 10, 0.5, 0.5, 10, 255);
  Rotated(item, d, 25, 25, 10, 0, 0.5, 0.5, 10, 255);
  Rotated(item, d, -100, 25, 10, 10, 0.5, 0.5, 10, 255);
  Rotated(item, d, 25, 500, 10, 10, 0.5, 0.5, 10, 255);
  Rotated(item, d, 2000000000, -2000000000, 10, 10, 0.5, 0.5, 10, 255);
  Rotated(item, d, 25, 25, 10, 10, std::nan(""), 0.5, 10, 255);
  EXPECT_TRUE(SameSurface(d, before));
  // Absurd arguments must not crash.
  Rotated(item, d, 25, 25, 2000000000, 3, 0.5, 0.5, 10, 255);
  Rotated(item, d, 25, 25, 1, 2000000000, 0.5, 0.5, 77, 100);
  Rotated(item, d, 25, 25, -20, -20, 0.5, 0.5, 77, 100);
  Rotated(item, d, 25, 25, 20, 20, 1e300, -1e300, 77, 100);
  Rotated(item, d, 25, 25, 20, 20, 1e6, 0.5, 77, 100);
}

TEST(DrawRotated, ClippedDrawMatchesTheUnclippedOneWhereVisible) {
  const auto img = KeyedPicture(51, 40);
  const auto item = MakeItem(img, true, media::clWhite);
  for (int angle : {0, 19, 64, 90, 160, 230}) {
    for (const auto& [x, y] : {std::pair{-5, -7}, std::pair{18, 3}, std::pair{3, 21},
                               std::pair{24, 24}, std::pair{-20, 12}}) {
      Surface small = Filled(24, 24, kBack), big = Filled(160, 160, kBack);
      Rotated(item, small, x, y, 51, 40, 0.5, 0.3, angle, 200);
      Rotated(item, big, x + 60, y + 60, 51, 40, 0.5, 0.3, angle, 200);
      int differences = 0;
      for (int yy = 0; yy < 24; ++yy)
        for (int xx = 0; xx < 24; ++xx) differences += small.At(xx, yy) != big.At(xx + 60, yy + 60);
      EXPECT_EQ(differences, 0) << "angle " << angle << " at " << x << "," << y;
    }
  }
}

TEST(DrawRotated, CoversTheRotatedAreaWithoutHoles) {
  const auto img = MakeRgb(40, 40, [](int, int, std::uint8_t* p) { p[0] = p[1] = p[2] = 255; });
  const auto item = MakeItem(img, false, 0);
  for (int angle = 0; angle < 256; angle += 7) {
    Surface d = Filled(100, 100, 0);
    Rotated(item, d, 50, 50, 40, 40, 0.5, 0.5, angle, 255);
    int covered = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 100; ++x) covered += d.At(x, y) != 0;
    EXPECT_NEAR(covered, 1600, 90) << angle;
    // The disc of radius 19 around the centre is always covered.
    for (int y = -19; y <= 19; ++y)
      for (int x = -19; x <= 19; ++x)
        if (x * x + y * y < 19 * 19) {
          ASSERT_NE(d.At(50 + x, 50 + y), 0) << angle;
        }
  }
}

}  // namespace

namespace {

// A sprite drawn over and over in one shape is drawn from what is remembered of
// its earlier draws; every such draw must equal a first, unremembered one, at any
// angle, scale, centre, alpha and place, clipped at the edges or not.
TEST(DrawRotated, RepeatedDrawsOfOneShapeEqualFirstDraws) {
  const auto img = KeyedPicture(51, 40);
  const auto repeated = MakeItem(img, true, media::clWhite);
  struct Shape {
    int w, h;
    double cx, cy;
    int alpha;
  };
  for (const Shape& sh : {Shape{51, 40, 0.5, 0.3, 255}, Shape{98, 98, 0.5, 0.5, 40},
                          Shape{17, 60, 0.0, 1.0, 255}, Shape{-30, 25, 0.25, 0.75, 128}}) {
    for (int angle = 0; angle < 256; angle += 9) {
      for (const auto& [x, y] : {std::pair{60, 50}, std::pair{-9, 4}, std::pair{115, 95},
                                 std::pair{60, 50}, std::pair{30, -20}}) {
        Surface want = Filled(120, 100, kBack), got = Filled(120, 100, kBack);
        for (int i = 0; i < 120; i += 3)
          want.Set(i, (i * 7) % 100, 0x5555), got.Set(i, (i * 7) % 100, 0x5555);
        // A picture prepared afresh draws its first draw of a shape.
        MakeItem(img, true, media::clWhite)
            .DrawRotated(want, x, y, sh.w, sh.h, 0, sh.cx, sh.cy, angle, sh.alpha);
        repeated.DrawRotated(got, x, y, sh.w, sh.h, 0, sh.cx, sh.cy, angle, sh.alpha);
        ASSERT_EQ(fixtures::CountDifferences(want, got), 0)
            << sh.w << "x" << sh.h << " angle " << angle << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
