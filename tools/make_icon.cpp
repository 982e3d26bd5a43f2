// make_icon OUT_FOLDER SIZE...: the program's icon, the rescue helicopter of the
// built-in list vrt (body, item 0, under its rotor, item 2) seen from above,
// written as OUT_FOLDER/SIZE.png with a transparent background for each SIZE.
//
// The helicopter is drawn four times larger than the icon with the game's own
// sprite drawing and then averaged down, so that small icons keep smooth edges.
// Transparency is found by drawing on two different backgrounds: a pixel that
// differs between the two is background.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "assets/embedded.h"
#include "media/image_list.h"
#include "media/png_writer.h"
#include "media/surface.h"

namespace {

constexpr int kBody = 0, kRotor = 2;
constexpr int kHeading = 32;  // a quarter turn right of north: the body along the diagonal
constexpr int kRotorAngle = 10;
constexpr int kOversample = 4;

struct Rgba {
  std::vector<std::uint8_t> pixels;  // 4 bytes a pixel, premultiplied while averaging
  int size = 0;
};

// The helicopter as the game draws it, body and rotor turning about the same point,
// scaled so that the rotor's disc (the widest part) spans most of the picture.
void DrawHeli(const media::ImageList& vrt, media::Surface& s) {
  const int n = s.Width();
  const double k = n / 136.0;  // 98 px rotor, 115 px body laid diagonally
  const int body_w = static_cast<int>(51 * k + 0.5), body_h = static_cast<int>(115 * k + 0.5);
  const int rotor = static_cast<int>(98 * k + 0.5);
  // The turning point lies 0.3 of the way down the body; shift it so that the whole
  // diagonal body sits in the middle.
  const int cx = n / 2 + static_cast<int>(14 * k), cy = n / 2 - static_cast<int>(14 * k);
  vrt.DrawRotated(s, kBody, cx, cy, body_w, body_h, 0.5, 0.3, kHeading, 255);
  vrt.DrawRotated(s, kRotor, cx, cy, rotor, rotor, 0.5, 0.5, kRotorAngle, 255);
}

Rgba Render(const media::ImageList& vrt, int size) {
  const int n = size * kOversample;
  media::Surface on_black(n, n), on_white(n, n);
  on_black.Fill(media::Reduce(0, 0, 0));
  on_white.Fill(media::Reduce(255, 255, 255));
  DrawHeli(vrt, on_black);
  DrawHeli(vrt, on_white);

  Rgba out;
  out.size = size;
  out.pixels.assign(static_cast<std::size_t>(size) * size * 4, 0);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      unsigned r = 0, g = 0, b = 0, a = 0;
      for (int dy = 0; dy < kOversample; ++dy)
        for (int dx = 0; dx < kOversample; ++dx) {
          const int sx = x * kOversample + dx, sy = y * kOversample + dy;
          const media::Pixel p = on_black.At(sx, sy);
          if (p != on_white.At(sx, sy)) continue;  // background
          r += media::Red8(p);
          g += media::Green8(p);
          b += media::Blue8(p);
          ++a;
        }
      std::uint8_t* o = &out.pixels[(static_cast<std::size_t>(y) * size + x) * 4];
      if (a) {
        o[0] = static_cast<std::uint8_t>(r / a);
        o[1] = static_cast<std::uint8_t>(g / a);
        o[2] = static_cast<std::uint8_t>(b / a);
        o[3] = static_cast<std::uint8_t>(a * 255 / (kOversample * kOversample));
      }
    }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUT_FOLDER SIZE...\n", argv[0]);
    return 2;
  }
  const auto bytes = assets::Embedded("vrt.lta");
  if (bytes.empty()) {
    std::fprintf(stderr, "make_icon: the program has no built-in vrt.lta\n");
    return 1;
  }
  media::ImageList vrt;
  try {
    vrt.LoadItemsFromMemory(bytes, "vrt.lta");
    vrt.Initialize();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_icon: %s\n", e.what());
    return 1;
  }
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 16 || size > 1024) {
      std::fprintf(stderr, "make_icon: bad size %s\n", argv[i]);
      return 2;
    }
    const std::string path = std::string(argv[1]) + "/" + std::to_string(size) + ".png";
    const Rgba icon = Render(vrt, size);
    if (!media::WriteRgbaPng(icon.pixels.data(), icon.size, icon.size, path)) {
      std::fprintf(stderr, "make_icon: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
