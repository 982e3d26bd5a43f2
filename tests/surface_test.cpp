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

}  // namespace
