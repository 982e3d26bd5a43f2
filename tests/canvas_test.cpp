#include "media/canvas.h"

#include <gtest/gtest.h>

#include "media/text.h"
#include "media/widgets.h"

namespace {

TEST(Canvas, LineLeavesOutItsEndPointAndKeepsThePenPosition) {
  media::Surface s(20, 20);
  media::Canvas c;
  c.Attach(&s);
  c.Pen.Color = media::clWhite;
  c.MoveTo(2, 3);
  c.LineTo(10, 3);
  for (int x = 2; x < 10; ++x) EXPECT_EQ(s.At(x, 3), 0xFFFF) << x;
  EXPECT_EQ(s.At(10, 3), 0);
  c.LineTo(10, 8);  // continues from (10, 3)
  EXPECT_EQ(s.At(10, 3), 0xFFFF);
  EXPECT_EQ(s.At(10, 7), 0xFFFF);
  EXPECT_EQ(s.At(10, 8), 0);
  c.MoveTo(-5, -5);  // lines leaving the surface are clipped, not written out of bounds
  c.LineTo(25, 25);
  EXPECT_EQ(s.At(19, 19), 0xFFFF);
}

TEST(Canvas, SolidBrushBoxesTheTextClearBrushLeavesThePicture) {
  if (!media::TextAvailable()) GTEST_SKIP() << "no font";
  media::Surface s(200, 60);
  media::Canvas c;
  c.Attach(&s);
  c.Font.Size = 13;
  c.Font.Color = media::clYellow;
  c.Brush.Color = media::clRed;
  c.Brush.Style = media::BrushStyle::bsClear;
  c.TextOut(5, 5, "POZOR NEBEZPEČÍ");
  int red = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) red += s.At(x, y) == media::ReduceColor(media::clRed);
  EXPECT_EQ(red, 0);
  c.Brush.Style = media::BrushStyle::bsSolid;
  c.TextOut(5, 30, "POZOR");
  const media::TextExtent e = media::MeasureText("POZOR", {13, 96, false});
  EXPECT_EQ(e.height, 21);  // 13 points at 96 dots per inch
  EXPECT_EQ(s.At(5, 30), media::ReduceColor(media::clRed));
  EXPECT_EQ(s.At(5 + e.width - 1, 30 + e.height - 1), media::ReduceColor(media::clRed));
  EXPECT_EQ(s.At(5 + e.width, 30), 0);
  c.ReleaseCanvas();
  c.TextOut(0, 0, "X");  // a released canvas draws nothing
  EXPECT_EQ(s.At(0, 0), 0);
}

TEST(ImageWidget, GaugeStretchesToItsWidthAndDropsTheBottomLeftColour) {
  auto pic = std::make_shared<media::Surface>(4, 2);
  pic->Fill(0x1234);
  pic->Set(0, 1, 0);  // bottom-left: the transparent colour
  pic->Set(1, 1, 0);
  media::ImageWidget w;
  w.Picture = pic;
  w.Stretch = true;
  w.Transparent = true;
  w.Left = 2;
  w.Top = 1;
  w.Width = 8;
  w.Height = 4;
  media::Surface dest(20, 10);
  dest.Fill(0xFFFF);
  w.Draw(dest, 0, 0);
  EXPECT_EQ(dest.At(2, 1), 0x1234);
  EXPECT_EQ(dest.At(9, 4), 0x1234);
  EXPECT_EQ(dest.At(10, 1), 0xFFFF);  // past its width
  EXPECT_EQ(dest.At(2, 3), 0xFFFF);   // bottom-left colour left out
  w.Width = 0;
  dest.Fill(0xFFFF);
  w.Draw(dest, 0, 0);
  EXPECT_EQ(dest.At(2, 1), 0xFFFF);  // a width of 0 shows nothing
}

}  // namespace
