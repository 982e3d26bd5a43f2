#include "media/png_writer.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace media {

namespace {

// One PNG of 8-bit channels; row(y, buffer) fills the bytes of row y.
template <typename RowFn>
bool WriteRows(int width, int height, int color_type, int channels, const std::string& path,
               RowFn row) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = false;
  if (png && info && !setjmp(png_jmpbuf(png))) {
    png_init_io(png, f);
    png_set_IHDR(png, info, width, height, 8, color_type, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> buffer(static_cast<std::size_t>(width) * channels);
    for (int y = 0; y < height; ++y) {
      row(y, buffer.data());
      png_write_row(png, buffer.data());
    }
    png_write_end(png, info);
    ok = true;
  }
  png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
  if (std::fclose(f) != 0) ok = false;
  if (!ok) std::remove(path.c_str());
  return ok;
}

}  // namespace

bool WritePng(const Surface& surface, const std::string& path) {
  if (!surface.Valid()) return false;
  const int w = surface.Width();
  return WriteRows(w, surface.Height(), PNG_COLOR_TYPE_RGB, 3, path, [&](int y, png_byte* out) {
    const Pixel* src = surface.Row(y);
    for (int x = 0; x < w; ++x) {
      out[x * 3] = Red8(src[x]);
      out[x * 3 + 1] = Green8(src[x]);
      out[x * 3 + 2] = Blue8(src[x]);
    }
  });
}

bool WriteRgbaPng(const std::uint8_t* rgba, int width, int height, const std::string& path) {
  if (!rgba || width <= 0 || height <= 0) return false;
  const std::size_t stride = static_cast<std::size_t>(width) * 4;
  return WriteRows(width, height, PNG_COLOR_TYPE_RGBA, 4, path, [&](int y, png_byte* out) {
    std::memcpy(out, rgba + static_cast<std::size_t>(y) * stride, stride);
  });
}

}  // namespace media
