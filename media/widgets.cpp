#include "media/widgets.h"

#include <algorithm>

namespace media {

void ImageWidget::Draw(Surface& dest, int origin_x, int origin_y) const {
  if (!Visible || !Picture || !Picture->Valid() || Width <= 0 || Height <= 0) return;
  const Surface& pic = *Picture;
  const int pw = pic.Width(), ph = pic.Height();
  const bool stretch = Stretch;
  const int w = stretch ? Width : std::min(Width, pw);
  const int h = stretch ? Height : std::min(Height, ph);
  int x0 = origin_x + Left, y0 = origin_y + Top;
  if (!stretch && Center) {
    x0 += (Width - w) / 2;
    y0 += (Height - h) / 2;
  }
  const Pixel key = pic.At(0, ph - 1);
  for (int y = 0; y < h; ++y) {
    const int dy = y0 + y;
    if (dy < 0 || dy >= dest.Height()) continue;
    const Pixel* src = pic.Row(stretch ? y * ph / h : y);
    Pixel* out = dest.Row(dy);
    for (int x = 0; x < w; ++x) {
      const int dx = x0 + x;
      if (dx < 0 || dx >= dest.Width()) continue;
      const Pixel p = src[stretch ? x * pw / w : x];
      if (Transparent && p == key) continue;
      out[dx] = p;
    }
  }
}

void Label::Draw(Surface& dest, int origin_x, int origin_y) const {
  if (!Visible || Caption.empty()) return;
  DrawText(dest, origin_x + Left, origin_y + Top, Caption, Font, Color);
}

Panel::Look Panel::CurrentLook() const {
  Look look;
  look.numbers = {Width, Height, static_cast<long long>(Color)};
  for (const Child& c : children_) {
    if (c.image) {
      const ImageWidget& i = *c.image;
      look.numbers.insert(look.numbers.end(),
                          {i.Left, i.Top, i.Width, i.Height, i.Visible, i.Stretch, i.Transparent,
                           i.Center, reinterpret_cast<long long>(i.Picture.get())});
    } else {
      const Label& l = *c.label;
      look.numbers.insert(look.numbers.end(),
                          {l.Left, l.Top, l.Visible, static_cast<long long>(l.Color), l.Font.points,
                           l.Font.dpi, l.Font.bold});
      look.captions.push_back(l.Caption);
    }
  }
  return look;
}

const Surface& Panel::Rendered() {
  Look look = CurrentLook();
  if (!cached_.Valid() || look != cached_look_) {
    if (cached_.Width() != Width || cached_.Height() != Height || !cached_.Valid())
      cached_ = Surface(std::max(Width, 1), std::max(Height, 1));
    cached_.Fill(ReduceColor(Color));
    for (const Child& c : children_) {
      if (c.image)
        c.image->Draw(cached_, 0, 0);
      else
        c.label->Draw(cached_, 0, 0);
    }
    cached_look_ = std::move(look);
    ++version_;
  }
  return cached_;
}

void Panel::Draw(Surface& dest) {
  if (!Visible || Width <= 0 || Height <= 0) return;
  Rendered().CopyTo(dest, 0, 0, Width, Height, Left, Top);
}

}  // namespace media
