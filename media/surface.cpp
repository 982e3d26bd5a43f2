#include "media/surface.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace media {

Surface::Surface(int width, int height) {
  sdl_ = SDL_CreateRGBSurfaceWithFormat(0, std::max(width, 1), std::max(height, 1), 16,
                                        SDL_PIXELFORMAT_RGB565);
  if (!sdl_) throw std::runtime_error("Surface cannot be made");
  Fill(0);
}

Surface::~Surface() {
  if (sdl_) SDL_FreeSurface(sdl_);
}

Surface::Surface(Surface&& other) noexcept
    : sdl_(other.sdl_), keyed_(other.keyed_), key_(other.key_) {
  other.sdl_ = nullptr;
}

Surface& Surface::operator=(Surface&& other) noexcept {
  if (this != &other) {
    if (sdl_) SDL_FreeSurface(sdl_);
    sdl_ = other.sdl_;
    keyed_ = other.keyed_;
    key_ = other.key_;
    other.sdl_ = nullptr;
  }
  return *this;
}

int Surface::Width() const {
  return sdl_ ? sdl_->w : 0;
}
int Surface::Height() const {
  return sdl_ ? sdl_->h : 0;
}
int Surface::PitchPixels() const {
  return sdl_ ? sdl_->pitch / 2 : 0;
}

Pixel* Surface::Row(int y) {
  return reinterpret_cast<Pixel*>(static_cast<std::uint8_t*>(sdl_->pixels) + y * sdl_->pitch);
}
const Pixel* Surface::Row(int y) const {
  return reinterpret_cast<const Pixel*>(static_cast<const std::uint8_t*>(sdl_->pixels) +
                                        y * sdl_->pitch);
}

void Surface::Fill(Pixel value) {
  if (sdl_) SDL_FillRect(sdl_, nullptr, value);
}

void Surface::SetColorKey(bool enabled, Pixel key) {
  keyed_ = enabled;
  key_ = key;
  if (sdl_) SDL_SetColorKey(sdl_, enabled ? SDL_TRUE : SDL_FALSE, key);
}

bool ClipCopy(CopyRect& r, int src_w, int src_h, int dst_w, int dst_h) {
  // Along one axis: each edge moves the source and the destination along together.
  const auto clip = [](long long& s, long long& d, long long& n, int s_max, int d_max) {
    const long long before = std::max({0LL, -s, -d});
    s += before;
    d += before;
    n = std::min({n - before, s_max - s, d_max - d});
  };
  clip(r.sx, r.dx, r.w, src_w, dst_w);
  clip(r.sy, r.dy, r.h, src_h, dst_h);
  return r.w > 0 && r.h > 0;
}

void Surface::CopyTo(Surface& dest, int sx, int sy, int w, int h, int dx, int dy) const {
  if (!sdl_ || !dest.sdl_) return;
  CopyRect r{sx, sy, w, h, dx, dy};
  if (w <= 0 || h <= 0 || !ClipCopy(r, Width(), Height(), dest.Width(), dest.Height())) return;
  if (keyed_) {
    SDL_Rect src{static_cast<int>(r.sx), static_cast<int>(r.sy), static_cast<int>(r.w),
                 static_cast<int>(r.h)};
    SDL_Rect dst{static_cast<int>(r.dx), static_cast<int>(r.dy), src.w, src.h};
    SDL_BlitSurface(sdl_, &src, dest.sdl_, &dst);
    return;
  }
  CopyPixels(*this, static_cast<int>(r.sx), static_cast<int>(r.sy), static_cast<int>(r.w),
             static_cast<int>(r.h), dest, static_cast<int>(r.dx), static_cast<int>(r.dy));
}

void CopyPixels(const Surface& from, int sx, int sy, int w, int h, Surface& to, int dx, int dy) {
  // Row by row through the cache: SDL's own copy streams past it, and what is
  // copied here is drawn over or read again soon.
  const auto bytes = static_cast<std::size_t>(w) * sizeof(Pixel);
  if (&from == &to && dy > sy) {  // overlapping rows: the last one first
    for (int y = h - 1; y >= 0; --y)
      std::memmove(to.Row(dy + y) + dx, from.Row(sy + y) + sx, bytes);
    return;
  }
  for (int y = 0; y < h; ++y) std::memmove(to.Row(dy + y) + dx, from.Row(sy + y) + sx, bytes);
}

}  // namespace media
