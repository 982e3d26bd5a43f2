#include "media/canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

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

namespace {

// What a widget must show, pixel by pixel: the picture's pixel (x * pw / w,
// y * ph / h) when stretched, (x, y) otherwise, leaving out the key when transparent.
media::Surface ExpectedWidget(const media::ImageWidget& w, const media::Surface& pic,
                              media::Surface dest_copy_of) {
  const int pw = pic.Width(), ph = pic.Height();
  const int ww = w.Stretch ? w.Width : std::min(w.Width, pw);
  const int wh = w.Stretch ? w.Height : std::min(w.Height, ph);
  const media::Pixel key = pic.At(0, ph - 1);
  for (int y = 0; y < wh; ++y)
    for (int x = 0; x < ww; ++x) {
      const int dx = w.Left + x, dy = w.Top + y;
      if (dx < 0 || dy < 0 || dx >= dest_copy_of.Width() || dy >= dest_copy_of.Height()) continue;
      const media::Pixel p = w.Stretch ? pic.At(x * pw / ww, y * ph / wh) : pic.At(x, y);
      if (!(w.Transparent && p == key)) dest_copy_of.Set(dx, dy, p);
    }
  return dest_copy_of;
}

TEST(ImageWidget, FollowsItsSizePictureAndPlaceFromDrawToDraw) {
  auto make = [](int w, int h, int seed) {
    auto s = std::make_shared<media::Surface>(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        s->Set(x, y,
               static_cast<media::Pixel>(
                   (x * 37 + y * 11 + seed) % 5 == 0 ? 0 : x * 131 + y * 7 + seed));
    s->Set(0, h - 1, 0);  // the key
    return s;
  };
  auto first = make(23, 9, 1), second = make(23, 9, 2);
  media::ImageWidget w;
  w.Picture = first;
  w.Stretch = true;
  w.Transparent = true;
  struct Step {
    int left, top, width, height;
    bool swap, stretch;
  };
  for (const Step& st : {Step{2, 1, 40, 12, false, true}, Step{2, 1, 17, 12, false, true},
                         Step{-5, 3, 17, 12, false, true}, Step{2, 1, 17, 12, true, true},
                         Step{25, 20, 30, 9, false, true}, Step{3, 2, 30, 30, false, false}}) {
    w.Left = st.left;
    w.Top = st.top;
    w.Width = st.width;
    w.Height = st.height;
    w.Stretch = st.stretch;
    if (st.swap) w.Picture = w.Picture == first ? second : first;
    media::Surface dest(48, 24);
    dest.Fill(0x7777);
    const media::Surface want = ExpectedWidget(w, *w.Picture, [&] {
      media::Surface c(48, 24);
      c.Fill(0x7777);
      return c;
    }());
    w.Draw(dest, 0, 0);
    int differences = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 48; ++x) differences += dest.At(x, y) != want.At(x, y);
    EXPECT_EQ(differences, 0) << st.left << "," << st.top << " " << st.width << "x" << st.height;
  }
}

}  // namespace

namespace {

// A panel is redrawn only where its widgets changed: after every change it must
// look exactly like a panel of the same widgets drawn whole for the first time.
TEST(Panel, RedrawnWhereWidgetsChangedItEqualsOneDrawnWhole) {
  auto picture = [](int w, int h, int seed) {
    auto s = std::make_shared<media::Surface>(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        s->Set(x, y,
               static_cast<media::Pixel>((x * 7 + y * 3 + seed) % 4 == 0 ? 0 : x * 97 + seed));
    return s;
  };
  media::ImageWidget back, gauge, icon;
  media::Label caption;
  back.Picture = picture(30, 10, 1);
  back.Stretch = true;
  back.Width = 78;
  back.Height = 38;
  back.Left = back.Top = 1;
  gauge.Picture = picture(12, 4, 2);
  gauge.Stretch = gauge.Transparent = true;
  gauge.Left = 5;
  gauge.Top = 22;
  gauge.Width = 40;
  gauge.Height = 5;
  icon.Picture = picture(9, 9, 3);
  icon.Center = true;
  icon.Left = 60;
  icon.Top = 20;
  icon.Width = icon.Height = 12;
  caption.Left = 60;
  caption.Top = 4;
  caption.Caption = "1";
  caption.Font = media::FontSpec{16, 72, true};
  caption.Color = media::clYellow;
  auto lay_out = [&](media::Panel& p) {
    p.Width = 80;
    p.Height = 40;
    p.Color = media::clBlack;
    p.Add(&back);
    p.Add(&gauge);
    p.Add(&icon);
    p.Add(&caption);
  };
  media::Panel kept;
  lay_out(kept);
  const std::vector<std::function<void()>> changes = {
      [] {},
      [&] { gauge.Width = 33; },
      [&] { gauge.Width = 70; },
      [&] { icon.Visible = false; },
      [&] { caption.Caption = "12"; },
      [&] { icon.Visible = true, icon.Left = 2, caption.Caption = "7"; },
      [&] { caption.Visible = false, gauge.Top = 30; },
      [&] { caption.Visible = true, kept.Color = media::clRed; },
      [&] { back.Picture = picture(30, 10, 4); },
  };
  int step = 0;
  for (const auto& change : changes) {
    change();
    media::Panel whole;
    lay_out(whole);
    whole.Color = kept.Color;
    const media::Surface& a = kept.Rendered();
    const media::Surface& b = whole.Rendered();
    int differences = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 80; ++x) differences += a.At(x, y) != b.At(x, y);
    EXPECT_EQ(differences, 0) << "step " << step;
    ++step;
  }
}

}  // namespace
