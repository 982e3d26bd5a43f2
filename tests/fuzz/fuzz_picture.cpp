// The stored picture reader and decoder: any bytes either throw media::Error or give
// a picture whose decoded size is the size the header promised.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "media/error.h"
#include "media/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  media::StoredPicture picture;
  try {
    picture = media::ParseStoredPicture(bytes, "fuzz");
  } catch (const media::Error&) {
    return 0;
  }
  FUZZ_CHECK(picture.bytes.size() == size);
  try {
    const media::RgbImage image = media::DecodePicture(picture, "fuzz");
    if (picture.kind == media::PictureKind::None) {
      FUZZ_CHECK(image.width == 0 && image.height == 0 && image.rgb.empty());
      return 0;
    }
    FUZZ_CHECK(image.width == picture.width);
    FUZZ_CHECK(image.height == picture.height);
    FUZZ_CHECK(image.width > 0 && image.width <= media::kMaxPictureSide);
    FUZZ_CHECK(image.height > 0 && image.height <= media::kMaxPictureSide);
    FUZZ_CHECK(image.rgb.size() == static_cast<std::size_t>(image.width) * image.height * 3);
  } catch (const media::Error&) {
    // A JPEG whose header reads but whose scans are corrupt fails only here.
    FUZZ_CHECK(picture.kind == media::PictureKind::Jpeg);
  }
  return 0;
}
