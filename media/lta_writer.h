#pragma once
// Writing stored pictures and level image files (the counterpart of picture.h and
// lta.h), and the manifest the `lta_writer` tool builds a file from.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "media/image_list.h"
#include "media/picture.h"
#include "media/surface.h"

namespace media {

// A picture to store: 24-bit colour plus an optional alpha plane (one byte a pixel,
// empty when the source has none).
struct SourceImage {
  RgbImage image;
  std::vector<std::uint8_t> alpha;
};

// Reads a PNG (libpng), BMP (SDL_LoadBMP) or JPEG file, told apart by content.
SourceImage LoadSourceImage(const std::string& path);
// Writes a PNG (RGB, or RGBA when alpha is given); for tests and tools.
void SavePng(const std::string& path, const RgbImage& image,
             const std::vector<std::uint8_t>* alpha = nullptr);

// The alpha rule of the platform notes, used when some pixel of the source has
// alpha < 128: those pixels become exactly `key`; the others keep their own colour
// and, when they would reduce to the same RGB565 value as the key, are nudged by
// one green step so that they stay visible. A source without such pixels is taken
// as it is (its transparent areas are drawn in the key colour). `nudged`, if given,
// receives the number of nudged pixels.
// Without `nudge` (an image that is not Transparent) nothing is nudged.
RgbImage FlattenAlpha(const SourceImage& source, TColor key, bool nudge = true,
                      int* nudged = nullptr);

// The stored form of a DIB ("TDIB" + BITMAPINFOHEADER + table or masks + rows):
//   bits 1, 4, 8: a palette of 2^bits entries, exact when the picture has few enough
//     colours, else a median-cut palette; with a key, the key is entry 0, exactly,
//     every pixel that reduces to the key's RGB565 value uses it and no other entry
//     reduces to that value;
//   bits 16, 32 with bitfields: RGB565 masks (16) or 8-8-8 masks (32);
//   bits 16, 24, 32 without: 5-5-5, B-G-R, B-G-R-0.
// `colours`, if given, receives the number of distinct colours of the picture
// (after key merging) so a caller can tell whether the palette was exact.
std::vector<std::uint8_t> EncodeStoredDib(const RgbImage& image, int bits, bool bitfields,
                                          std::optional<TColor> key, int* colours = nullptr);
// The stored form of a JPEG ("TJPEGImage" + 32-bit count + baseline 4:4:4 JFIF).
std::vector<std::uint8_t> EncodeStoredJpeg(const RgbImage& image, int quality);

// A whole level image file (resource header + "TPF0" stream) holding `items` in
// order. Colours with a standard name are stored as identifiers, others as 32-bit
// integers; properties at their defaults (SkipWidth/SkipHeight 0, SystemMemory
// False, Transparent True) are left out, as the component writer does.
std::vector<std::uint8_t> WriteImageListFile(std::span<const PictureCollectionItem> items);

// The manifest: one image a line, in index order from 0 without gaps, `#` comments:
//   INDEX "NAME" KIND BPP TRANSPARENT COLOR SOURCE [quality=N] [size=WxH]
// KIND is dib, dib-bitfields, jpeg or none; BPP 1, 4, 8, 24 (dib), 16, 32
// (dib-bitfields), 24 (jpeg) or - (none); TRANSPARENT yes or no; COLOR the TColor
// 0xBBGGRR value or a colour name; SOURCE a PNG, BMP or JPEG path relative to the
// manifest's folder (- for none). quality= is the JPEG quality (default 92);
// size= the size the source must have (an error otherwise). The picture is stored
// at the source's own size, never scaled.
struct ManifestBuild {
  std::vector<PictureCollectionItem> items;
  std::vector<std::string> notes;  // warnings (quantised palettes, JPEG key noise)
};
ManifestBuild BuildFromManifest(const std::string& manifest_path);

}  // namespace media
