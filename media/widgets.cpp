#include "media/widgets.h"

#include <algorithm>

namespace media {

void ImageWidget::Draw(Surface& dest, int origin_x, int origin_y) const {
  if (!Visible || !Picture || !Picture->Valid() || Width <= 0 || Height <= 0) return;
  const Surface& pic = *Picture;
  const int pw = pic.Width(), ph = pic.Height();
  const Pixel key = pic.At(0, ph - 1);
  const Surface* shown = &pic;
  int w = std::min(Width, pw), h = std::min(Height, ph);
  int x0 = origin_x + Left, y0 = origin_y + Top;
  if (Stretch) {
    // Each pixel of the widget shows the picture's pixel (x * pw / w, y * ph / h).
    w = Width;
    h = Height;
    if (stretched_.from != Picture || stretched_.width != w || stretched_.height != h ||
        !stretched_.picture) {
      auto out = std::make_shared<Surface>(w, h);
      for (int y = 0; y < h; ++y) {
        const Pixel* src = pic.Row(static_cast<int>(static_cast<long long>(y) * ph / h));
        Pixel* row = out->Row(y);
        for (int x = 0; x < w; ++x) row[x] = src[static_cast<long long>(x) * pw / w];
      }
      stretched_ = {Picture, w, h, std::move(out)};
    }
    shown = stretched_.picture.get();
  } else if (Center) {
    x0 += (Width - w) / 2;
    y0 += (Height - h) / 2;
  }
  // Clipped to the destination.
  const int from_x = std::max(0, -x0), to_x = std::min(w, dest.Width() - x0);
  const int from_y = std::max(0, -y0), to_y = std::min(h, dest.Height() - y0);
  for (int y = from_y; y < to_y; ++y) {
    const Pixel* src = shown->Row(y);
    Pixel* out = dest.Row(y0 + y) + x0;
    if (!Transparent) {
      std::copy(src + from_x, src + to_x, out + from_x);
      continue;
    }
    for (int x = from_x; x < to_x; ++x)
      if (src[x] != key) out[x] = src[x];
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
  }
  return cached_;
}

void Panel::Draw(Surface& dest) {
  if (!Visible || Width <= 0 || Height <= 0) return;
  Rendered().CopyTo(dest, 0, 0, Width, Height, Left, Top);
}

}  // namespace media
