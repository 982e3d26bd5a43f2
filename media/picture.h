#pragma once
// The stored picture format of the image lists: a length-prefixed class
// name followed by that class's data.
//   "TDIB":       a device-independent bitmap without the 14-byte file header: the
//                 40-byte BITMAPINFOHEADER, its colour table (1, 4, 8 bits per pixel)
//                 or three 32-bit masks (compression 3, bit fields), then the pixel
//                 rows bottom-up, each padded to a multiple of 4 bytes.
//   "TJPEGImage": a 32-bit little-endian byte count, then a baseline JFIF stream.
// Every reader here checks every size against its buffer and throws media::Error
// naming the file or item on bad data; none of them reads out of bounds.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace media {

enum class PictureKind { None, Dib, Jpeg };

struct StoredPicture {
  PictureKind kind = PictureKind::None;
  std::vector<std::uint8_t> bytes;  // the whole stored form: length-prefixed class name + data
  int width = 0, height = 0, bits = 0;
  bool bitfields = false;
};

// The largest width or height any reader accepts.
constexpr int kMaxPictureSide = 8192;

// Validates the class name ("TDIB" / "TJPEGImage") and the header fields and keeps a
// copy of the bytes. An empty class name is a stored "no picture". `what` names the
// file or item in messages.
StoredPicture ParseStoredPicture(std::span<const std::uint8_t> data, const std::string& what);

struct RgbImage {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;  // 3 bytes per pixel (R, G, B), rows top-down
};

// Decodes a stored picture to 24-bit colour. A picture of kind None gives an empty
// image. Throws media::Error on bad, truncated or corrupted data.
RgbImage DecodePicture(const StoredPicture& picture, const std::string& what = "picture");

// The raw codecs behind the stored format (libjpeg-turbo). DecodeJpeg accepts
// grayscale, YCbCr and RGB streams and treats libjpeg's warnings (premature end,
// corrupt data) as errors. EncodeJpeg writes baseline JFIF, no progressive scans,
// no chroma subsampling (4:4:4), at the given quality (1..100).
RgbImage DecodeJpeg(std::span<const std::uint8_t> jpeg, const std::string& what);
std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality);

}  // namespace media
