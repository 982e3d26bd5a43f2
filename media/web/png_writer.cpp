// In a page there is no file the player could open: a PNG goes to the player's
// downloads instead, under the file's own name, encoded by the browser.
#include "media/png_writer.h"

#include <emscripten.h>

#include <filesystem>
#include <vector>

namespace media {

namespace {

bool OfferPng(const std::uint8_t* rgba, int width, int height, const std::string& path) {
  if (!rgba || width <= 0 || height <= 0) return false;
  const std::string name = std::filesystem::path(path).filename().string();
  // clang-format off
  return EM_ASM_INT({
    try {
      var canvas = document.createElement("canvas");
      canvas.width = $1;
      canvas.height = $2;
      var pixels = new Uint8ClampedArray(HEAPU8.buffer, $0, $1 * $2 * 4).slice();
      canvas.getContext("2d").putImageData(new ImageData(pixels, $1, $2), 0, 0);
      var name = UTF8ToString($3);
      canvas.toBlob(function(blob) {
        var link = document.createElement("a");
        link.href = URL.createObjectURL(blob);
        link.download = name;
        link.click();
        setTimeout(function() { URL.revokeObjectURL(link.href); }, 60000);
      }, "image/png");
      return 1;
    } catch (e) {
      return 0;
    }
  }, rgba, width, height, name.c_str()) != 0;
  // clang-format on
}

}  // namespace

bool WritePng(const Surface& surface, const std::string& path) {
  if (!surface.Valid()) return false;
  const int w = surface.Width(), h = surface.Height();
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
  std::uint8_t* out = rgba.data();
  for (int y = 0; y < h; ++y) {
    const Pixel* row = surface.Row(y);
    for (int x = 0; x < w; ++x, out += 4) {
      out[0] = Red8(row[x]);
      out[1] = Green8(row[x]);
      out[2] = Blue8(row[x]);
      out[3] = 255;
    }
  }
  return OfferPng(rgba.data(), w, h, path);
}

bool WriteRgbaPng(const std::uint8_t* rgba, int width, int height, const std::string& path) {
  return OfferPng(rgba, width, height, path);
}

}  // namespace media
