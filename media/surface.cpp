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

void Surface::CopyTo(Surface& dest, int sx, int sy, int w, int h, int dx, int dy) const {
  if (!sdl_ || !dest.sdl_ || w <= 0 || h <= 0) return;
  // Clip the source rectangle against this surface first, moving the destination along.
  if (sx < 0) {
    dx -= sx;
    w += sx;
    sx = 0;
  }
  if (sy < 0) {
    dy -= sy;
    h += sy;
    sy = 0;
  }
  w = std::min(w, Width() - sx);
  h = std::min(h, Height() - sy);
  if (w <= 0 || h <= 0) return;
  if (keyed_) {
    SDL_Rect src{sx, sy, w, h};
    SDL_Rect dst{dx, dy, w, h};
    SDL_BlitSurface(sdl_, &src, dest.sdl_, &dst);
    return;
  }
  // Then against the destination.
  if (dx < 0) {
    sx -= dx;
    w += dx;
    dx = 0;
  }
  if (dy < 0) {
    sy -= dy;
    h += dy;
    dy = 0;
  }
  w = std::min(w, dest.Width() - dx);
  h = std::min(h, dest.Height() - dy);
  if (w <= 0 || h <= 0) return;
  CopyPixels(*this, sx, sy, w, h, dest, dx, dy);
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
