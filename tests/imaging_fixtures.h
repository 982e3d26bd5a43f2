#pragma once
// Shared helpers of the picture, image list, draw and level file tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "media/error.h"
#include "media/image_list.h"
#include "media/lta_writer.h"
#include "media/picture.h"
#include "media/surface.h"

namespace fixtures {

using media::Pixel;
using media::RgbImage;
using media::Surface;

inline RgbImage MakeRgb(int w, int h, const std::function<void(int, int, std::uint8_t*)>& colour) {
  RgbImage img;
  img.width = w;
  img.height = h;
  img.rgb.resize(static_cast<std::size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) colour(x, y, &img.rgb[(static_cast<std::size_t>(y) * w + x) * 3]);
  return img;
}

// A deterministic picture in which (nearly) every pixel differs from its neighbours.
inline RgbImage Busy(int w, int h, int seed = 0) {
  return MakeRgb(w, h, [seed](int x, int y, std::uint8_t* p) {
    std::uint32_t v = static_cast<std::uint32_t>(x * 73856093u ^ y * 19349663u ^ seed * 83492791u);
    v ^= v >> 13;
    v *= 0x5bd1e995u;
    v ^= v >> 15;
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
  });
}

inline void SetRgb(RgbImage& img, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  std::uint8_t* p = &img.rgb[(static_cast<std::size_t>(y) * img.width + x) * 3];
  p[0] = r;
  p[1] = g;
  p[2] = b;
}

inline Pixel ReducedAt(const RgbImage& img, int x, int y) {
  const std::uint8_t* p = &img.rgb[(static_cast<std::size_t>(y) * img.width + x) * 3];
  return media::Reduce(p[0], p[1], p[2]);
}

// A prepared image of a 24-bit DIB (lossless, so pixels are exactly Reduce(rgb)).
inline media::PictureCollectionItem MakeItem(const RgbImage& img, bool transparent,
                                             media::TColor key, bool prepare = true) {
  media::PictureCollectionItem item;
  item.Name = "test";
  item.Picture = media::ParseStoredPicture(media::EncodeStoredDib(img, 24, false, std::nullopt),
                                           "test picture");
  item.Transparent = transparent;
  item.TransparentColor = key;
  if (prepare) item.Prepare();
  return item;
}

inline Surface Filled(int w, int h, Pixel value) {
  Surface s(w, h);
  s.Fill(value);
  return s;
}

inline bool SameSurface(const Surface& a, const Surface& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

inline int CountDifferences(const Surface& a, const Surface& b) {
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += a.At(x, y) != b.At(x, y);
  return n;
}

// A fresh folder of this test's own (ctest runs tests in parallel processes).
inline std::filesystem::path TestFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const auto dir = std::filesystem::path(::testing::TempDir()) /
                   (std::string("heli_") + info->test_suite_name() + "_" + info->name() + "_" +
                    std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

struct ScopedFolder {
  ScopedFolder() : dir(TestFolder()) {}
  ~ScopedFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  std::filesystem::path dir;
};

// Runs f and reports whether it threw media::Error; any other exception escapes
// and fails the test.
inline bool ThrowsMediaError(const std::function<void()>& f) {
  try {
    f();
  } catch (const media::Error&) {
    return true;
  }
  return false;
}

}  // namespace fixtures
