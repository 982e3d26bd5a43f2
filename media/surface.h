#pragma once
// A 16-bit (RGB565) drawing surface held in memory: the back surface the game
// draws into, and the prepared pictures of the image lists.
#include <cstdint>
#include <memory>

struct SDL_Surface;

namespace media {

using Pixel = std::uint16_t;

// TColor, 0x00BBGGRR: the colour value of texts, lines and transparent colours.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clRed = 0x0000FF, clLime = 0x00FF00,
                 clYellow = 0x00FFFF, clGray = 0x808080, clAqua = 0xFFFF00;

// The one reduction from 24-bit colour to the surface format. Pictures and their
// transparent colours both go through it, so a key matches exactly the pixels
// that reduce to the same value.
constexpr Pixel Reduce(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<Pixel>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
constexpr Pixel ReduceColor(TColor c) {
  return Reduce(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
// Back to 8 bits per channel, repeating the high bits into the low ones.
constexpr std::uint8_t Red8(Pixel p) {
  return static_cast<std::uint8_t>(((p >> 11) << 3) | (p >> 13));
}
constexpr std::uint8_t Green8(Pixel p) {
  return static_cast<std::uint8_t>((((p >> 5) & 63) << 2) | ((p >> 9) & 3));
}
constexpr std::uint8_t Blue8(Pixel p) {
  return static_cast<std::uint8_t>(((p & 31) << 3) | ((p & 31) >> 2));
}

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height);  // filled with 0 (black)
  ~Surface();
  Surface(Surface&& other) noexcept;
  Surface& operator=(Surface&& other) noexcept;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  bool Valid() const { return sdl_ != nullptr; }
  int Width() const;
  int Height() const;
  // Pixels of row y (0 <= y < Height()); rows are PitchPixels() apart.
  Pixel* Row(int y);
  const Pixel* Row(int y) const;
  int PitchPixels() const;
  Pixel At(int x, int y) const { return Row(y)[x]; }
  void Set(int x, int y, Pixel p) { Row(y)[x] = p; }

  // FillSurface: the whole surface to one raw pixel value.
  void Fill(Pixel value);

  // The source colour key used by keyed copies from this surface. The pixels stay
  // directly readable (no run-length encoding), so Row() is always valid.
  void SetColorKey(bool enabled, Pixel key);
  bool HasColorKey() const { return keyed_; }
  Pixel ColorKey() const { return key_; }

  // Copies this surface's rectangle (sx, sy, w, h) to (dx, dy) of dest, clipped to
  // both surfaces, leaving out keyed pixels when the key is on.
  void CopyTo(Surface& dest, int sx, int sy, int w, int h, int dx, int dy) const;

  SDL_Surface* sdl() const { return sdl_; }

 private:
  SDL_Surface* sdl_ = nullptr;
  bool keyed_ = false;
  Pixel key_ = 0;
};

// A copy of the rectangle (sx, sy, w, h) of a source to (dx, dy) of a destination.
// ClipCopy cuts it to the part on both surfaces; false when nothing is left.
struct CopyRect {
  long long sx, sy, w, h, dx, dy;
};
bool ClipCopy(CopyRect& r, int src_w, int src_h, int dst_w, int dst_h);

// Copies the rectangle (sx, sy, w, h) of `from` to (dx, dy) of `to`, every pixel,
// both already clipped.
void CopyPixels(const Surface& from, int sx, int sy, int w, int h, Surface& to, int dx, int dy);

}  // namespace media
