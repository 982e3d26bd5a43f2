#include "media/surface.h"

#include <gtest/gtest.h>

namespace {

TEST(Surface, ReductionKeepsHighBitsAndRoundTripsPrimaries) {
  EXPECT_EQ(media::ReduceColor(media::clWhite), 0xFFFF);
  EXPECT_EQ(media::ReduceColor(media::clRed), 0xF800);  // TColor is 0x00BBGGRR
  EXPECT_EQ(media::ReduceColor(media::clLime), 0x07E0);
  EXPECT_EQ(media::ReduceColor(0xFF0000), 0x001F);
  // Near-white pixels reduce to white, which is why keys match more than exact colours.
  EXPECT_EQ(media::Reduce(250, 253, 249), media::ReduceColor(media::clWhite));
  EXPECT_NE(media::Reduce(247, 255, 255), media::ReduceColor(media::clWhite));
  for (media::Pixel p : {media::Pixel{0}, media::Pixel{0xFFFF}, media::Pixel{0x1234}})
    EXPECT_EQ(media::Reduce(media::Red8(p), media::Green8(p), media::Blue8(p)), p);
}

TEST(Surface, KeyedCopySkipsKeyAndClipsAtEveryEdge) {
  media::Surface src(4, 4), dst(6, 6);
  src.Fill(0x1111);
  src.Set(1, 1, 0xFFFF);
  src.SetColorKey(true, 0xFFFF);
  dst.Fill(0x2222);
  src.CopyTo(dst, 0, 0, 4, 4, -2, 4);  // off the left and bottom edges
  EXPECT_EQ(dst.At(0, 4), 0x1111);
  EXPECT_EQ(dst.At(1, 5), 0x1111);
  EXPECT_EQ(dst.At(2, 4), 0x2222);
  dst.Fill(0x2222);
  src.CopyTo(dst, 0, 0, 4, 4, 0, 0);
  EXPECT_EQ(dst.At(1, 1), 0x2222);  // keyed pixel left out
  EXPECT_EQ(dst.At(0, 0), 0x1111);
}

// A plain copy is every pixel of the source rectangle that lies on both surfaces,
// wherever the rectangle reaches past an edge of either.
TEST(Surface, PlainCopyClipsAgainstBothSurfaces) {
  media::Surface src(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) src.Set(x, y, static_cast<media::Pixel>(100 + 10 * y + x));
  for (int sx = -3; sx <= 5; sx += 2)
    for (int sy = -2; sy <= 4; sy += 2)
      for (int dx = -6; dx <= 8; dx += 3)
        for (int dy = -5; dy <= 7; dy += 3) {
          media::Surface dst(9, 8);
          dst.Fill(7);
          src.CopyTo(dst, sx, sy, 6, 4, dx, dy);
          int wrong = 0;
          for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 9; ++x) {
              const int fx = x - dx + sx, fy = y - dy + sy;
              const bool inside = x >= dx && x < dx + 6 && y >= dy && y < dy + 4 && fx >= 0 &&
                                  fx < 7 && fy >= 0 && fy < 5;
              wrong += dst.At(x, y) != (inside ? src.At(fx, fy) : 7);
            }
          EXPECT_EQ(wrong, 0) << sx << "," << sy << " to " << dx << "," << dy;
        }
}

}  // namespace
