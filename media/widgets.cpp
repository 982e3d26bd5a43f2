#include "media/widgets.h"

#include <SDL.h>

#include <algorithm>

namespace media {

void ImageWidget::Draw(Surface& dest, int origin_x, int origin_y) const {
  Draw(dest, origin_x, origin_y, ClipRect{0, 0, dest.Width(), dest.Height()});
}

void ImageWidget::Draw(Surface& dest, int origin_x, int origin_y, const ClipRect& clip) const {
  if (!Visible || !Picture || !Picture->Valid() || Width <= 0 || Height <= 0) return;
  const Surface& pic = *Picture;
  const int pw = pic.Width(), ph = pic.Height();
  const Pixel key = pic.At(0, ph - 1);
  int w = std::min(Width, pw), h = std::min(Height, ph);
  int x0 = origin_x + Left, y0 = origin_y + Top;
  if (Stretch) {
    // Each pixel of the widget shows the picture's pixel (x * pw / w, y * ph / h).
    w = Width;
    h = Height;
  } else if (Center) {
    x0 += (Width - w) / 2;
    y0 += (Height - h) / 2;
  }
  // Clipped to the destination and the clip rectangle.
  const int left = std::max(clip.left, 0), top = std::max(clip.top, 0);
  const int right = std::min(clip.right, dest.Width()),
            bottom = std::min(clip.bottom, dest.Height());
  const int from_x = std::max(0, left - x0), to_x = std::min(w, right - x0);
  const int from_y = std::max(0, top - y0), to_y = std::min(h, bottom - y0);
  if (from_x >= to_x) return;
  for (int y = from_y; y < to_y; ++y) {
    Pixel* out = dest.Row(y0 + y) + x0;
    if (Stretch) {
      const Pixel* src = pic.Row(static_cast<int>(static_cast<long long>(y) * ph / h));
      for (int x = from_x; x < to_x; ++x) {
        const Pixel p = src[static_cast<long long>(x) * pw / w];
        if (!Transparent || p != key) out[x] = p;
      }
      continue;
    }
    const Pixel* src = pic.Row(y);
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

void Panel::LookOf(const Child& c, Look& look) {
  look.label = c.label != nullptr;
  if (c.image) {
    const ImageWidget& i = *c.image;
    look.visible = i.Visible;
    look.left = i.Left;
    look.top = i.Top;
    look.width = i.Width;
    look.height = i.Height;
    look.stretch = i.Stretch;
    look.transparent = i.Transparent;
    look.center = i.Center;
    look.picture = i.Picture.get();
    look.caption.clear();
    look.font = FontSpec{};
    look.color = 0;
  } else {
    const Label& l = *c.label;
    look.visible = l.Visible;
    look.left = l.Left;
    look.top = l.Top;
    look.width = look.height = 0;
    look.stretch = look.transparent = look.center = false;
    look.picture = nullptr;
    look.caption = l.Caption;  // into the room it already has
    look.font = l.Font;
    look.color = l.Color;
  }
}

ClipRect Panel::Area(const Look& look) const {
  if (!look.visible) return {};
  // A label's text starts at its place and may reach as far as the panel does.
  if (look.label) return {look.left, look.top, Width, Height};
  return {look.left, look.top, look.left + look.width, look.top + look.height};
}

const Surface& Panel::Rendered() {
  const bool whole = !cached_.Valid() || cached_width_ != Width || cached_height_ != Height ||
                     cached_color_ != Color;
  if (whole) {
    if (cached_.Width() != std::max(Width, 1) || cached_.Height() != std::max(Height, 1) ||
        !cached_.Valid())
      cached_ = Surface(std::max(Width, 1), std::max(Height, 1));
    cached_width_ = Width;
    cached_height_ = Height;
    cached_color_ = Color;
  }
  // The part to redraw: where every changed child was and is now.
  ClipRect damage{Width, Height, 0, 0};
  const auto add = [&](const ClipRect& r) {
    if (r.left >= r.right || r.top >= r.bottom) return;
    damage.left = std::min(damage.left, r.left);
    damage.top = std::min(damage.top, r.top);
    damage.right = std::max(damage.right, r.right);
    damage.bottom = std::max(damage.bottom, r.bottom);
  };
  for (Child& c : children_) {
    LookOf(c, scratch_);
    if (!whole && scratch_ == c.shown) continue;
    add(Area(c.shown));
    add(Area(scratch_));
    std::swap(c.shown, scratch_);
  }
  if (whole) damage = {0, 0, Width, Height};
  damage.left = std::max(damage.left, 0);
  damage.top = std::max(damage.top, 0);
  damage.right = std::min(damage.right, cached_.Width());
  damage.bottom = std::min(damage.bottom, cached_.Height());
  if (damage.left >= damage.right || damage.top >= damage.bottom) return cached_;

  // Every pixel in the damaged part drawn afresh, in the order the children lie.
  const Pixel background = ReduceColor(Color);
  for (int y = damage.top; y < damage.bottom; ++y)
    std::fill(cached_.Row(y) + damage.left, cached_.Row(y) + damage.right, background);
  SDL_Rect clip{damage.left, damage.top, damage.right - damage.left, damage.bottom - damage.top};
  SDL_SetClipRect(cached_.sdl(), &clip);
  for (const Child& c : children_) {
    if (c.image)
      c.image->Draw(cached_, 0, 0, damage);
    else
      c.label->Draw(cached_, 0, 0);  // text stays within the surface's clip rectangle
  }
  SDL_SetClipRect(cached_.sdl(), nullptr);
  return cached_;
}

void Panel::Draw(Surface& dest) {
  if (!Visible || Width <= 0 || Height <= 0) return;
  Rendered().CopyTo(dest, 0, 0, Width, Height, Left, Top);
}

}  // namespace media
