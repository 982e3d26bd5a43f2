#include "media/lta_writer.h"

#include <SDL.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unordered_map>

#include "media/error.h"
#include "media/lta.h"

namespace media {
namespace {

// ---------------------------------------------------------------------------------
// Little-endian output.

struct Out {
  std::vector<std::uint8_t> b;
  void U8(std::uint32_t v) { b.push_back(static_cast<std::uint8_t>(v)); }
  void U16(std::uint32_t v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void Bytes(std::span<const std::uint8_t> s) { b.insert(b.end(), s.begin(), s.end()); }
  void Text(std::string_view s) { b.insert(b.end(), s.begin(), s.end()); }
  void ShortString(std::string_view s) {
    if (s.size() > 255) throw Error("string too long for the stream: " + std::string(s));
    U8(static_cast<std::uint32_t>(s.size()));
    Text(s);
  }
  // TWriter.WriteInteger: the smallest of the three integer types.
  void Integer(std::int32_t v) {
    if (v >= -128 && v <= 127) {
      U8(2);
      U8(static_cast<std::uint32_t>(v));
    } else if (v >= -32768 && v <= 32767) {
      U8(3);
      U16(static_cast<std::uint32_t>(v));
    } else {
      U8(4);
      U32(static_cast<std::uint32_t>(v));
    }
  }
};

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw Error("Cannot open file " + path);
  std::vector<std::uint8_t> data;
  std::uint8_t buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
    data.insert(data.end(), buffer, buffer + got);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw Error("Cannot open file " + path);
  return data;
}

void CheckImage(const RgbImage& image, const char* who) {
  if (image.width <= 0 || image.height <= 0 || image.width > kMaxPictureSide ||
      image.height > kMaxPictureSide ||
      image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3)
    throw Error(std::string(who) + ": bad image size " + std::to_string(image.width) + "x" +
                std::to_string(image.height));
}

// ---------------------------------------------------------------------------------
// Palettes.

using Rgb = std::uint32_t;  // 0xRRGGBB
inline Rgb PackRgb(const std::uint8_t* p) {
  return (p[0] << 16) | (p[1] << 8) | p[2];
}
inline int R(Rgb c) {
  return (c >> 16) & 0xFF;
}
inline int G(Rgb c) {
  return (c >> 8) & 0xFF;
}
inline int B(Rgb c) {
  return c & 0xFF;
}
inline Pixel Reduced(Rgb c) {
  return Reduce(static_cast<std::uint8_t>(R(c)), static_cast<std::uint8_t>(G(c)),
                static_cast<std::uint8_t>(B(c)));
}
inline Rgb FromTColor(TColor c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

struct Weighted {
  Rgb colour;
  std::uint64_t count;
};

// Median cut: splits the colour set into at most `k` boxes, each time the box with
// the widest channel range (weighted by its pixel count) at its weighted median;
// each box gives the weighted mean of its colours. Deterministic.
std::vector<Rgb> MedianCut(std::vector<Weighted> colours, int k) {
  struct Box {
    std::size_t begin, end;
  };
  std::vector<Box> boxes{{0, colours.size()}};
  auto channel_range = [&](const Box& box, int& channel) {
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    for (std::size_t i = box.begin; i < box.end; ++i) {
      const int v[3] = {R(colours[i].colour), G(colours[i].colour), B(colours[i].colour)};
      for (int c = 0; c < 3; ++c) {
        lo[c] = std::min(lo[c], v[c]);
        hi[c] = std::max(hi[c], v[c]);
      }
    }
    channel = 0;
    for (int c = 1; c < 3; ++c)
      if (hi[c] - lo[c] > hi[channel] - lo[channel]) channel = c;
    return hi[channel] - lo[channel];
  };
  while (static_cast<int>(boxes.size()) < k) {
    int best = -1, best_channel = 0;
    double best_score = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].end - boxes[i].begin < 2) continue;
      int channel;
      const int range = channel_range(boxes[i], channel);
      std::uint64_t population = 0;
      for (std::size_t j = boxes[i].begin; j < boxes[i].end; ++j) population += colours[j].count;
      const double score = static_cast<double>(range) * std::sqrt(static_cast<double>(population));
      if (range > 0 && score > best_score) {
        best = static_cast<int>(i);
        best_score = score;
        best_channel = channel;
      }
    }
    if (best < 0) break;
    Box& box = boxes[static_cast<std::size_t>(best)];
    const int shift = 16 - 8 * best_channel;
    std::sort(colours.begin() + static_cast<std::ptrdiff_t>(box.begin),
              colours.begin() + static_cast<std::ptrdiff_t>(box.end),
              [shift](const Weighted& a, const Weighted& b) {
                const int va = (a.colour >> shift) & 0xFF, vb = (b.colour >> shift) & 0xFF;
                return va != vb ? va < vb : a.colour < b.colour;
              });
    std::uint64_t total = 0;
    for (std::size_t j = box.begin; j < box.end; ++j) total += colours[j].count;
    std::uint64_t run = 0;
    std::size_t cut = box.begin + 1;
    for (std::size_t j = box.begin; j + 1 < box.end; ++j) {
      run += colours[j].count;
      cut = j + 1;
      if (run * 2 >= total) break;
    }
    const Box upper{cut, box.end};
    box.end = cut;
    boxes.push_back(upper);
  }
  std::vector<Rgb> palette;
  for (const Box& box : boxes) {
    std::uint64_t sum[3] = {0, 0, 0}, n = 0;
    for (std::size_t j = box.begin; j < box.end; ++j) {
      sum[0] += R(colours[j].colour) * colours[j].count;
      sum[1] += G(colours[j].colour) * colours[j].count;
      sum[2] += B(colours[j].colour) * colours[j].count;
      n += colours[j].count;
    }
    palette.push_back(static_cast<Rgb>(((sum[0] + n / 2) / n) << 16 | ((sum[1] + n / 2) / n) << 8 |
                                       ((sum[2] + n / 2) / n)));
  }
  return palette;
}

int Distance(Rgb a, Rgb b) {
  const int dr = R(a) - R(b), dg = G(a) - G(b), db = B(a) - B(b);
  return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

// One green step (in RGB565) away from the key, staying in range.
Rgb Nudge(Rgb c) {
  const int g = G(c);
  const int ng = g >= 128 ? g - 4 : g + 4;
  return (c & 0xFF00FF) | (static_cast<Rgb>(ng) << 8);
}

}  // namespace

// ---------------------------------------------------------------------------------
// Stored pictures.

std::vector<std::uint8_t> EncodeStoredDib(const RgbImage& image, int bits, bool bitfields,
                                          std::optional<TColor> key, int* colours) {
  CheckImage(image, "DIB writer");
  if (bitfields ? (bits != 16 && bits != 32)
                : (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
    throw Error("DIB writer: " + std::to_string(bits) + " bits per pixel" +
                (bitfields ? " with bit fields" : "") + " not supported");
  const int w = image.width, h = image.height;
  const std::size_t stride = ((static_cast<std::size_t>(w) * bits + 31) / 32) * 4;
  Out o;
  o.ShortString("TDIB");
  o.U32(40);
  o.U32(static_cast<std::uint32_t>(w));
  o.U32(static_cast<std::uint32_t>(h));  // positive: rows bottom-up
  o.U16(1);
  o.U16(static_cast<std::uint32_t>(bits));
  o.U32(bitfields ? 3 : 0);
  o.U32(static_cast<std::uint32_t>(stride * h));
  o.U32(0);
  o.U32(0);
  o.U32(0);
  o.U32(0);
  std::vector<std::uint8_t> indices;  // for palette pictures, top-down
  if (bits <= 8) {
    const int entries = 1 << bits;
    const bool keyed = key.has_value();
    const Rgb key_rgb = keyed ? FromTColor(*key) : 0;
    const Pixel key_pixel = keyed ? ReduceColor(*key) : 0;
    // The distinct colours, those that reduce to the key merged into the key.
    std::map<Rgb, std::uint64_t> histogram;
    const std::size_t count = static_cast<std::size_t>(w) * h;
    for (std::size_t i = 0; i < count; ++i) {
      const Rgb c = PackRgb(&image.rgb[i * 3]);
      if (keyed && Reduced(c) == key_pixel) continue;
      ++histogram[c];
    }
    if (colours) *colours = static_cast<int>(histogram.size()) + (keyed ? 1 : 0);
    std::vector<Rgb> palette;
    if (keyed) palette.push_back(key_rgb);
    const int room = entries - (keyed ? 1 : 0);
    if (static_cast<int>(histogram.size()) <= room) {
      for (const auto& [c, n] : histogram) palette.push_back(c);
    } else {
      std::vector<Weighted> list;
      for (const auto& [c, n] : histogram) list.push_back({c, n});
      for (Rgb c : MedianCut(std::move(list), room))
        palette.push_back(keyed && Reduced(c) == key_pixel ? Nudge(c) : c);
    }
    std::unordered_map<Rgb, std::uint8_t> lookup;
    const std::size_t first = keyed ? 1 : 0;
    for (std::size_t i = first; i < palette.size(); ++i)
      lookup.emplace(palette[i], static_cast<std::uint8_t>(i));
    indices.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      const Rgb c = PackRgb(&image.rgb[i * 3]);
      if (keyed && Reduced(c) == key_pixel) {
        indices[i] = 0;
        continue;
      }
      auto it = lookup.find(c);
      if (it == lookup.end()) {
        std::size_t best = first;
        for (std::size_t j = first; j < palette.size(); ++j)
          if (Distance(c, palette[j]) < Distance(c, palette[best])) best = j;
        if (best >= palette.size()) best = 0;  // keyed 1-bit picture with nothing else
        it = lookup.emplace(c, static_cast<std::uint8_t>(best)).first;
      }
      indices[i] = it->second;
    }
    for (int i = 0; i < entries; ++i) {
      const Rgb c = i < static_cast<int>(palette.size()) ? palette[static_cast<std::size_t>(i)] : 0;
      o.U8(B(c));
      o.U8(G(c));
      o.U8(R(c));
      o.U8(0);
    }
  } else if (bitfields) {
    if (bits == 16) {
      o.U32(0xF800);
      o.U32(0x07E0);
      o.U32(0x001F);
    } else {
      o.U32(0xFF0000);
      o.U32(0x00FF00);
      o.U32(0x0000FF);
    }
  }
  std::vector<std::uint8_t> row(stride);
  for (int y = h - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    const std::uint8_t* in = image.rgb.data() + static_cast<std::size_t>(y) * w * 3;
    for (int x = 0; x < w; ++x, in += 3) {
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const int index = indices[static_cast<std::size_t>(y) * w + x];
          const int per_byte = 8 / bits;
          row[static_cast<std::size_t>(x / per_byte)] |=
              static_cast<std::uint8_t>(index << (8 - bits * (x % per_byte + 1)));
          break;
        }
        case 16: {
          const std::uint32_t v = bitfields
                                      ? Reduce(in[0], in[1], in[2])
                                      : ((in[0] >> 3) << 10) | ((in[1] >> 3) << 5) | (in[2] >> 3);
          row[2 * x] = static_cast<std::uint8_t>(v);
          row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
          break;
        }
        case 24:
          row[3 * x] = in[2];
          row[3 * x + 1] = in[1];
          row[3 * x + 2] = in[0];
          break;
        case 32:
          row[4 * x] = in[2];
          row[4 * x + 1] = in[1];
          row[4 * x + 2] = in[0];
          row[4 * x + 3] = 0;
          break;
      }
    }
    o.Bytes(row);
  }
  return std::move(o.b);
}

std::vector<std::uint8_t> EncodeStoredJpeg(const RgbImage& image, int quality) {
  CheckImage(image, "JPEG writer");
  const std::vector<std::uint8_t> jpeg = EncodeJpeg(image, quality);
  Out o;
  o.ShortString("TJPEGImage");
  o.U32(static_cast<std::uint32_t>(jpeg.size()));
  o.Bytes(jpeg);
  return std::move(o.b);
}

// ---------------------------------------------------------------------------------
// Level image files.

std::vector<std::uint8_t> WriteImageListFile(std::span<const PictureCollectionItem> items) {
  Out s;
  s.Text("TPF0");
  s.ShortString("TPictureCollectionComponent");
  s.ShortString("");
  s.ShortString("List");
  s.U8(14);
  for (const auto& item : items) {
    s.U8(1);
    s.ShortString("Name");
    if (item.Name.size() <= 255) {
      s.U8(6);
      s.ShortString(item.Name);
    } else {
      s.U8(12);
      s.U32(static_cast<std::uint32_t>(item.Name.size()));
      s.Text(item.Name);
    }
    s.ShortString("PatternHeight");
    s.Integer(item.PatternHeight);
    s.ShortString("PatternWidth");
    s.Integer(item.PatternWidth);
    if (item.Picture.kind != PictureKind::None) {
      s.ShortString("Picture.Data");
      s.U8(10);
      s.U32(static_cast<std::uint32_t>(item.Picture.bytes.size()));
      s.Bytes(item.Picture.bytes);
    }
    if (item.SkipHeight != 0) {
      s.ShortString("SkipHeight");
      s.Integer(item.SkipHeight);
    }
    if (item.SkipWidth != 0) {
      s.ShortString("SkipWidth");
      s.Integer(item.SkipWidth);
    }
    if (item.SystemMemory) {
      s.ShortString("SystemMemory");
      s.U8(9);
    }
    if (!item.Transparent) {
      s.ShortString("Transparent");
      s.U8(8);
    }
    s.ShortString("TransparentColor");
    const std::string_view ident = ColorIdent(item.TransparentColor);
    if (!ident.empty()) {
      s.U8(7);
      s.ShortString(ident);
    } else {
      s.U8(4);
      s.U32(item.TransparentColor);
    }
    s.U8(0);  // end of the image's properties
  }
  s.U8(0);  // end of the collection
  s.U8(0);  // end of the component's properties
  s.U8(0);  // no child components
  Out f;
  f.U8(0xFF);
  f.U16(10);  // RT_RCDATA
  f.Text("TPICTURECOLLECTIONCOMPONENT");
  f.U8(0);
  f.U16(0x1030);
  f.U32(static_cast<std::uint32_t>(s.b.size()));
  f.Bytes(s.b);
  return std::move(f.b);
}

// ---------------------------------------------------------------------------------
// Source pictures.

SourceImage LoadSourceImage(const std::string& path) {
  const std::vector<std::uint8_t> data = ReadWholeFile(path);
  SourceImage out;
  if (data.size() >= 8 && png_sig_cmp(data.data(), 0, 8) == 0) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data.data(), data.size()))
      throw Error(path + ": bad PNG: " + png.message);
    if (png.width == 0 || png.height == 0 || png.width > kMaxPictureSide ||
        png.height > kMaxPictureSide) {
      png_image_free(&png);
      throw Error(path + ": PNG size not supported");
    }
    png.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) {
      const std::string message = png.message;
      png_image_free(&png);
      throw Error(path + ": bad PNG: " + message);
    }
    out.image.width = static_cast<int>(png.width);
    out.image.height = static_cast<int>(png.height);
    const std::size_t n = static_cast<std::size_t>(png.width) * png.height;
    out.image.rgb.resize(n * 3);
    out.alpha.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
      std::memcpy(&out.image.rgb[i * 3], &rgba[i * 4], 3);
      out.alpha[i] = rgba[i * 4 + 3];
    }
  } else if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') {
    SDL_RWops* rw = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
    SDL_Surface* loaded = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
    if (!loaded) throw Error(path + ": bad BMP: " + SDL_GetError());
    const bool has_alpha = loaded->format->Amask != 0;
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    if (!rgba) throw Error(path + ": BMP conversion failed: " + SDL_GetError());
    if (rgba->w > kMaxPictureSide || rgba->h > kMaxPictureSide) {
      SDL_FreeSurface(rgba);
      throw Error(path + ": BMP size not supported");
    }
    out.image.width = rgba->w;
    out.image.height = rgba->h;
    out.image.rgb.resize(static_cast<std::size_t>(rgba->w) * rgba->h * 3);
    if (has_alpha) out.alpha.resize(static_cast<std::size_t>(rgba->w) * rgba->h);
    for (int y = 0; y < rgba->h; ++y) {
      const auto* row = static_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
      for (int x = 0; x < rgba->w; ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * rgba->w + x;
        std::memcpy(&out.image.rgb[i * 3], row + 4 * x, 3);
        if (has_alpha) out.alpha[i] = row[4 * x + 3];
      }
    }
    SDL_FreeSurface(rgba);
  } else if (data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
    out.image = DecodeJpeg(data, path);
  } else {
    throw Error(path + ": not a PNG, BMP or JPEG file");
  }
  return out;
}

void SavePng(const std::string& path, const RgbImage& image,
             const std::vector<std::uint8_t>* alpha) {
  CheckImage(image, "PNG writer");
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  std::vector<std::uint8_t> buffer;
  if (alpha) {
    if (alpha->size() != static_cast<std::size_t>(image.width) * image.height)
      throw Error("PNG writer: alpha plane size does not match");
    png.format = PNG_FORMAT_RGBA;
    buffer.resize(alpha->size() * 4);
    for (std::size_t i = 0; i < alpha->size(); ++i) {
      std::memcpy(&buffer[i * 4], &image.rgb[i * 3], 3);
      buffer[i * 4 + 3] = (*alpha)[i];
    }
  } else {
    png.format = PNG_FORMAT_RGB;
    buffer = image.rgb;
  }
  if (!png_image_write_to_file(&png, path.c_str(), 0, buffer.data(), 0, nullptr))
    throw Error(path + ": cannot write PNG: " + png.message);
}

RgbImage FlattenAlpha(const SourceImage& source, TColor key, bool nudge, int* nudged) {
  if (nudged) *nudged = 0;
  RgbImage out = source.image;
  const std::size_t n = static_cast<std::size_t>(out.width) * out.height;
  if (source.alpha.size() != n) return out;
  if (std::none_of(source.alpha.begin(), source.alpha.end(),
                   [](std::uint8_t a) { return a < 128; }))
    return out;
  const Rgb key_rgb = FromTColor(key);
  const Pixel key_pixel = ReduceColor(key);
  for (std::size_t i = 0; i < n; ++i) {
    std::uint8_t* p = &out.rgb[i * 3];
    if (source.alpha[i] < 128) {
      p[0] = static_cast<std::uint8_t>(R(key_rgb));
      p[1] = static_cast<std::uint8_t>(G(key_rgb));
      p[2] = static_cast<std::uint8_t>(B(key_rgb));
    } else if (nudge && Reduce(p[0], p[1], p[2]) == key_pixel) {
      p[1] = static_cast<std::uint8_t>(G(Nudge(PackRgb(p))));
      if (nudged) ++*nudged;
    }
  }
  return out;
}

// ---------------------------------------------------------------------------------
// The manifest.

namespace {

struct Line {
  std::string file;
  int number = 0;
  [[noreturn]] void Fail(const std::string& message) const {
    throw Error(file + ":" + std::to_string(number) + ": " + message);
  }
};

std::vector<std::string> Tokens(const std::string& text, const Line& line) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      const std::size_t end = text.find('"', i + 1);
      if (end == std::string::npos) line.Fail("unterminated quoted string");
      tokens.push_back(text.substr(i + 1, end - i - 1));
      i = end + 1;
      if (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '\r')
        line.Fail("a space must follow a quoted string");
    } else {
      std::size_t end = i;
      while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != '\r') ++end;
      tokens.push_back(text.substr(i, end - i));
      i = end;
    }
  }
  return tokens;
}

int ParseInt(const std::string& s, const Line& line, const char* what) {
  try {
    std::size_t used = 0;
    const long v = std::stol(s, &used, 10);
    if (used != s.size() || v < -2147483647L || v > 2147483647L) throw std::invalid_argument(s);
    return static_cast<int>(v);
  } catch (const std::exception&) {
    line.Fail(std::string("bad ") + what + " \"" + s + "\"");
  }
}

TColor ParseColor(const std::string& s, const Line& line) {
  if (auto c = ColorFromIdent(s)) return *c;
  try {
    std::size_t used = 0;
    const unsigned long v = std::stoul(s, &used, 0);
    if (used != s.size() || v > 0xFFFFFFFFul) throw std::invalid_argument(s);
    return static_cast<TColor>(v);
  } catch (const std::exception&) {
    line.Fail("bad colour \"" + s + "\" (0xBBGGRR or a colour name)");
  }
}

}  // namespace

ManifestBuild BuildFromManifest(const std::string& manifest_path) {
  std::ifstream in(manifest_path);
  if (!in) throw Error("Cannot open file " + manifest_path);
  const std::filesystem::path folder = std::filesystem::path(manifest_path).parent_path();
  ManifestBuild build;
  Line line{manifest_path, 0};
  std::string text;
  while (std::getline(in, text)) {
    ++line.number;
    const std::vector<std::string> t = Tokens(text, line);
    if (t.empty()) continue;
    if (t.size() < 7)
      line.Fail("expected INDEX \"NAME\" KIND BPP TRANSPARENT COLOR SOURCE, got " +
                std::to_string(t.size()) + " fields");
    PictureCollectionItem item;
    const int index = ParseInt(t[0], line, "index");
    if (index != static_cast<int>(build.items.size()))
      line.Fail("index " + std::to_string(index) + " out of order, expected " +
                std::to_string(build.items.size()));
    item.Name = t[1];
    const std::string& kind = t[2];
    if (t[4] == "yes") {
      item.Transparent = true;
    } else if (t[4] == "no") {
      item.Transparent = false;
    } else {
      line.Fail("TRANSPARENT must be yes or no, not \"" + t[4] + "\"");
    }
    item.TransparentColor = ParseColor(t[5], line);
    int quality = 92;
    int want_w = 0, want_h = 0;
    for (std::size_t i = 7; i < t.size(); ++i) {
      if (t[i].rfind("quality=", 0) == 0) {
        quality = ParseInt(t[i].substr(8), line, "quality");
        if (quality < 1 || quality > 100) line.Fail("quality must be 1..100");
        if (kind != "jpeg") line.Fail("quality= is only for jpeg");
      } else if (t[i].rfind("size=", 0) == 0) {
        const std::string v = t[i].substr(5);
        const std::size_t x = v.find('x');
        if (x == std::string::npos) line.Fail("size= must be WxH");
        want_w = ParseInt(v.substr(0, x), line, "width");
        want_h = ParseInt(v.substr(x + 1), line, "height");
      } else {
        line.Fail("unknown field \"" + t[i] + "\"");
      }
    }
    if (kind == "none") {
      if (t[3] != "-" || t[6] != "-") line.Fail("kind none takes - for BPP and SOURCE");
      build.items.push_back(std::move(item));
      continue;
    }
    const int bits = ParseInt(t[3], line, "bits per pixel");
    bool bitfields = false;
    if (kind == "dib") {
      if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        line.Fail("dib takes 1, 4, 8, 16, 24 or 32 bits per pixel");
    } else if (kind == "dib-bitfields") {
      if (bits != 16 && bits != 32) line.Fail("dib-bitfields takes 16 or 32 bits per pixel");
      bitfields = true;
    } else if (kind == "jpeg") {
      if (bits != 24) line.Fail("jpeg takes 24 bits per pixel");
    } else {
      line.Fail("unknown kind \"" + kind + "\" (dib, dib-bitfields, jpeg, none)");
    }
    if (t[6] == "-") line.Fail("kind " + kind + " needs a SOURCE");
    const std::filesystem::path source = folder / t[6];
    SourceImage src;
    try {
      src = LoadSourceImage(source.string());
    } catch (const Error& e) {
      line.Fail(e.what());
    }
    if (want_w && (src.image.width != want_w || src.image.height != want_h))
      line.Fail(source.string() + " is " + std::to_string(src.image.width) + "x" +
                std::to_string(src.image.height) + ", the image must be " + std::to_string(want_w) +
                "x" + std::to_string(want_h));
    int nudged = 0;
    const RgbImage image = FlattenAlpha(src, item.TransparentColor, item.Transparent, &nudged);
    const std::string label = "item " + std::to_string(index) + " \"" + item.Name + "\"";
    if (nudged)
      build.notes.push_back(label + ": " + std::to_string(nudged) +
                            " opaque pixels matched the key and were nudged");
    std::vector<std::uint8_t> stored;
    try {
      if (kind == "jpeg") {
        stored = EncodeStoredJpeg(image, quality);
      } else {
        int colours = 0;
        std::optional<TColor> key;
        if (item.Transparent) key = item.TransparentColor;
        stored = EncodeStoredDib(image, bits, bitfields, key, &colours);
        if (bits <= 8 && colours > (1 << bits))
          build.notes.push_back(label + ": " + std::to_string(colours) + " colours quantised to " +
                                std::to_string(1 << bits));
      }
      item.Picture = ParseStoredPicture(stored, label);
    } catch (const Error& e) {
      line.Fail(e.what());
    }
    if (kind == "jpeg" && item.Transparent) {
      // JPEG noise near the key can make pixels transparent or opaque by mistake.
      const RgbImage back = DecodePicture(item.Picture, label);
      const Pixel key = ReduceColor(item.TransparentColor);
      std::size_t changed = 0;
      for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3)
        changed += (Reduce(image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]) == key) !=
                   (Reduce(back.rgb[i], back.rgb[i + 1], back.rgb[i + 2]) == key);
      if (changed)
        build.notes.push_back(label + ": " + std::to_string(changed) +
                              " pixels changed transparency through JPEG (quality " +
                              std::to_string(quality) + ")");
    }
    build.items.push_back(std::move(item));
  }
  return build;
}

}  // namespace media
