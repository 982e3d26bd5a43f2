#pragma once
// A rendered line of text as it is laid over a picture: only its pixels that show
// (coverage above nothing), each with its colour and coverage converted once, so
// that drawing it blends those pixels alone. The blend is the platform's own for
// an ARGB8888 line over RGB565, pixel for pixel.
#include <cstdint>
#include <vector>

#include "media/surface.h"

struct SDL_Surface;

namespace media {

class BlendedLine {
 public:
  BlendedLine() = default;
  // From a line rendered as ARGB8888 (SDL_ttf's blended text).
  explicit BlendedLine(const SDL_Surface* argb);
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Blends the line with its top-left corner at (x, y), within the destination's
  // clip rectangle.
  void Draw(Surface& dest, int x, int y) const;

 private:
  int width_ = 0, height_ = 0;
  // For each row its number of runs, then each run's first column and length.
  std::vector<std::uint16_t> runs_;
  // For each pixel of the runs: its colour spread as 0x07E0F81F (green, red,
  // blue) and its coverage in 32 steps in the top five bits.
  std::vector<std::uint32_t> pixels_;
};

}  // namespace media
