#include "media/blended_line.h"

#include <SDL.h>

#include <algorithm>

namespace media {

namespace {

constexpr std::uint32_t kSpread = 0x07E0F81F;

}  // namespace

BlendedLine::BlendedLine(const SDL_Surface* argb) {
  if (!argb || argb->format->format != SDL_PIXELFORMAT_ARGB8888 || argb->w > 65535) return;
  width_ = argb->w;
  height_ = argb->h;
  for (int y = 0; y < height_; ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) +
                                               static_cast<std::ptrdiff_t>(y) * argb->pitch);
    const std::size_t count_at = runs_.size();
    runs_.push_back(0);
    for (int x = 0; x < width_;) {
      if ((row[x] >> 27) == 0) {  // no coverage: the picture shows through
        ++x;
        continue;
      }
      const int start = x;
      for (; x < width_ && (row[x] >> 27) != 0; ++x) {
        const std::uint32_t s = row[x];
        const std::uint32_t spread = ((s & 0xFC00) << 11) + (s >> 8 & 0xF800) + (s >> 3 & 0x1F);
        pixels_.push_back((s >> 27) << 27 | spread);
      }
      runs_.push_back(static_cast<std::uint16_t>(start));
      runs_.push_back(static_cast<std::uint16_t>(x - start));
      ++runs_[count_at];
    }
  }
}

void BlendedLine::Draw(Surface& dest, int x, int y) const {
  if (!dest.Valid() || width_ == 0) return;
  SDL_Rect clip;
  SDL_GetClipRect(dest.sdl(), &clip);
  const int left = std::max(clip.x, 0), top = std::max(clip.y, 0);
  const int right = std::min(clip.x + clip.w, dest.Width());
  const int bottom = std::min(clip.y + clip.h, dest.Height());
  const std::uint16_t* run = runs_.data();
  const std::uint32_t* px = pixels_.data();
  for (int row = 0; row < height_; ++row) {
    const int count = *run++;
    const int dy = y + row;
    if (dy < top || dy >= bottom) {
      for (int k = 0; k < count; ++k, run += 2) px += run[1];
      continue;
    }
    Pixel* const out = dest.Row(dy);
    for (int k = 0; k < count; ++k, run += 2) {
      const int from = x + run[0], n = run[1];
      const int a = std::max(from, left), b = std::min(from + n, right);
      for (int i = a; i < b; ++i) {
        const std::uint32_t p = px[i - from];
        const std::uint32_t alpha = p >> 27, s = p & kSpread;
        if (alpha == 31) {  // full coverage: the colour itself
          out[i] = static_cast<Pixel>(s | s >> 16);
          continue;
        }
        // All three channels at once, 5 bits of coverage, as the platform blends.
        std::uint32_t d = out[i];
        d = (d | d << 16) & kSpread;
        d += (s - d) * alpha >> 5;
        d &= kSpread;
        out[i] = static_cast<Pixel>(d | d >> 16);
      }
      px += n;
    }
  }
}

}  // namespace media
