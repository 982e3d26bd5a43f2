#include "media/png_writer.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace media {

bool WritePng(const Surface& surface, const std::string& path) {
  if (!surface.Valid()) return false;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = false;
  if (png && info && !setjmp(png_jmpbuf(png))) {
    png_init_io(png, f);
    const int w = surface.Width(), h = surface.Height();
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(w) * 3);
    for (int y = 0; y < h; ++y) {
      const Pixel* src = surface.Row(y);
      for (int x = 0; x < w; ++x) {
        row[x * 3] = Red8(src[x]);
        row[x * 3 + 1] = Green8(src[x]);
        row[x * 3 + 2] = Blue8(src[x]);
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, info);
    ok = true;
  }
  png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
  if (std::fclose(f) != 0) ok = false;
  if (!ok) std::remove(path.c_str());
  return ok;
}

}  // namespace media
