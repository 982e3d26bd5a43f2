#include "media/picture.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "media/error.h"

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace media {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& message) {
  throw Error(what + ": " + message);
}

std::uint32_t U16(const std::uint8_t* p) {
  return p[0] | (p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t I32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(U32(p));
}

// ---------------------------------------------------------------------------------
// libjpeg with its errors caught. libjpeg is C: its fatal errors longjmp back into
// RunJpeg, whose frame holds only trivially destructible objects besides the ones
// reached through pointers; warnings (premature end of data, corrupt data) are
// made fatal too, so a damaged stream never decodes into a half-grey picture.

struct JpegErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  std::longjmp(err->jump, 1);
}

void JpegEmitMessage(j_common_ptr cinfo, int msg_level) {
  if (msg_level < 0) {  // a warning: corrupt or truncated data
    auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
  }
}

struct JpegResult {
  int width = 0, height = 0, components = 0;
  RgbImage* out = nullptr;  // null: read the header only
  char message[JMSG_LENGTH_MAX + 64] = {};
};

bool RunJpeg(const std::uint8_t* data, std::size_t size, JpegResult* result) {
  jpeg_decompress_struct cinfo;
  JpegErrorManager jerr;
  std::memset(&cinfo, 0, sizeof cinfo);
  cinfo.err = jpeg_std_error(&jerr.pub);
  jerr.pub.error_exit = JpegErrorExit;
  jerr.pub.emit_message = JpegEmitMessage;
  if (setjmp(jerr.jump)) {
    (*cinfo.err->format_message)(reinterpret_cast<j_common_ptr>(&cinfo), result->message);
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  result->width = static_cast<int>(cinfo.image_width);
  result->height = static_cast<int>(cinfo.image_height);
  result->components = cinfo.num_components;
  if (cinfo.image_width == 0 || cinfo.image_height == 0 ||
      cinfo.image_width > static_cast<unsigned>(kMaxPictureSide) ||
      cinfo.image_height > static_cast<unsigned>(kMaxPictureSide)) {
    std::snprintf(result->message, sizeof result->message, "JPEG size %ux%u not supported",
                  cinfo.image_width, cinfo.image_height);
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  if (cinfo.jpeg_color_space != JCS_GRAYSCALE && cinfo.jpeg_color_space != JCS_YCbCr &&
      cinfo.jpeg_color_space != JCS_RGB) {
    std::snprintf(result->message, sizeof result->message, "JPEG colour space %d not supported",
                  static_cast<int>(cinfo.jpeg_color_space));
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  if (result->out) {
    cinfo.out_color_space = JCS_RGB;
    cinfo.dct_method = JDCT_ISLOW;  // the same pixels on every machine
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
      std::snprintf(result->message, sizeof result->message, "JPEG output has %d components",
                    cinfo.output_components);
      jpeg_destroy_decompress(&cinfo);
      return false;
    }
    const std::size_t stride = static_cast<std::size_t>(cinfo.output_width) * 3;
    try {
      result->out->width = static_cast<int>(cinfo.output_width);
      result->out->height = static_cast<int>(cinfo.output_height);
      result->out->rgb.assign(stride * cinfo.output_height, 0);
    } catch (const std::bad_alloc&) {
      std::snprintf(result->message, sizeof result->message, "out of memory");
      jpeg_destroy_decompress(&cinfo);
      return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
      JSAMPROW row = result->out->rgb.data() + stride * cinfo.output_scanline;
      jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
  }
  jpeg_destroy_decompress(&cinfo);
  return true;
}

struct JpegEncodeResult {
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  char message[JMSG_LENGTH_MAX] = {};
};

bool RunJpegEncode(const RgbImage* image, int quality, JpegEncodeResult* result) {
  jpeg_compress_struct cinfo;
  JpegErrorManager jerr;
  std::memset(&cinfo, 0, sizeof cinfo);
  cinfo.err = jpeg_std_error(&jerr.pub);
  jerr.pub.error_exit = JpegErrorExit;
  if (setjmp(jerr.jump)) {
    (*cinfo.err->format_message)(reinterpret_cast<j_common_ptr>(&cinfo), result->message);
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &result->buffer, &result->size);
  cinfo.image_width = static_cast<JDIMENSION>(image->width);
  cinfo.image_height = static_cast<JDIMENSION>(image->height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.dct_method = JDCT_ISLOW;
  cinfo.optimize_coding = FALSE;
  for (int i = 0; i < cinfo.num_components; ++i) {  // 4:4:4, no chroma subsampling
    cinfo.comp_info[i].h_samp_factor = 1;
    cinfo.comp_info[i].v_samp_factor = 1;
  }
  cinfo.write_JFIF_header = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  const std::size_t stride = static_cast<std::size_t>(image->width) * 3;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image->rgb.data() + stride * cinfo.next_scanline);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

// ---------------------------------------------------------------------------------
// DIB layout.

struct Mask {
  std::uint32_t mask = 0;
  int shift = 0, bits = 0;
};

struct DibLayout {
  int width = 0, height = 0;
  bool top_down = false;
  int bits = 0;
  bool bitfields = false;
  Mask masks[3];  // red, green, blue
  const std::uint8_t* palette = nullptr;
  int palette_entries = 0;
  const std::uint8_t* pixels = nullptr;
  std::size_t stride = 0;
};

Mask MakeMask(std::uint32_t m, int depth, const std::string& what) {
  Mask r;
  r.mask = m;
  if (m == 0) Fail(what, "DIB bit field mask is zero");
  if (depth < 32 && (m >> depth) != 0) Fail(what, "DIB bit field mask exceeds the pixel size");
  while (!((m >> r.shift) & 1)) ++r.shift;
  std::uint32_t v = m >> r.shift;
  while (v & 1) {
    ++r.bits;
    v >>= 1;
  }
  if (v != 0) Fail(what, "DIB bit field mask is not contiguous");
  return r;
}

// Scales a channel value of `bits` bits to 8 bits, repeating the high bits into
// the low ones (so RGB565 values expand exactly as media::Red8 and friends do).
inline std::uint8_t Expand(std::uint32_t v, int bits) {
  if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
  std::uint32_t r = v << (8 - bits);
  for (int filled = bits; filled < 8; filled *= 2) r |= r >> filled;
  return static_cast<std::uint8_t>(r);
}

DibLayout ParseDib(std::span<const std::uint8_t> d, const std::string& what) {
  if (d.size() < 40) Fail(what, "DIB header truncated");
  const std::uint32_t header_size = U32(&d[0]);
  if (header_size != 40 && header_size != 52 && header_size != 56 && header_size != 108 &&
      header_size != 124)
    Fail(what, "DIB header size " + std::to_string(header_size) + " not supported");
  if (d.size() < header_size) Fail(what, "DIB header truncated");
  DibLayout l;
  const std::int32_t w = I32(&d[4]);
  const std::int32_t h = I32(&d[8]);
  const std::uint32_t planes = U16(&d[12]);
  l.bits = static_cast<int>(U16(&d[14]));
  const std::uint32_t compression = U32(&d[16]);
  const std::uint32_t colours_used = U32(&d[32]);
  if (w <= 0 || w > kMaxPictureSide || h == 0 || h < -kMaxPictureSide || h > kMaxPictureSide)
    Fail(what, "DIB size " + std::to_string(w) + "x" + std::to_string(h) + " not supported");
  if (planes != 1) Fail(what, "DIB plane count " + std::to_string(planes) + " not supported");
  l.width = w;
  l.height = h < 0 ? -h : h;
  l.top_down = h < 0;
  if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 16 && l.bits != 24 && l.bits != 32)
    Fail(what, "DIB with " + std::to_string(l.bits) + " bits per pixel not supported");
  std::size_t pos = header_size;
  if (compression == 3) {
    if (l.bits != 16 && l.bits != 32) Fail(what, "DIB bit fields need 16 or 32 bits per pixel");
    l.bitfields = true;
    std::size_t mask_pos = 40;
    if (header_size == 40) {  // the three masks follow the header
      if (d.size() < 52) Fail(what, "DIB bit field masks truncated");
      pos = 52;
    }
    for (int i = 0; i < 3; ++i) l.masks[i] = MakeMask(U32(&d[mask_pos + 4 * i]), l.bits, what);
  } else if (compression == 0) {
    if (l.bits == 16) {  // 5-5-5
      l.masks[0] = MakeMask(0x7C00, 16, what);
      l.masks[1] = MakeMask(0x03E0, 16, what);
      l.masks[2] = MakeMask(0x001F, 16, what);
    } else if (l.bits == 32) {
      l.masks[0] = MakeMask(0xFF0000, 32, what);
      l.masks[1] = MakeMask(0x00FF00, 32, what);
      l.masks[2] = MakeMask(0x0000FF, 32, what);
    }
  } else {
    Fail(what, "DIB compression " + std::to_string(compression) + " not supported");
  }
  // The colour table: 2^bits entries (fewer if the header says so) for 1, 4 and 8
  // bits; an optional table of colours_used entries otherwise, skipped.
  std::uint64_t entries = 0;
  if (l.bits <= 8) {
    const std::uint32_t full = 1u << l.bits;
    if (colours_used > full)
      Fail(what, "DIB colour count " + std::to_string(colours_used) + " too large");
    entries = colours_used ? colours_used : full;
    l.palette_entries = static_cast<int>(entries);
  } else {
    if (colours_used > 256)
      Fail(what, "DIB colour count " + std::to_string(colours_used) + " too large");
    entries = colours_used;
  }
  if (d.size() - pos < entries * 4) Fail(what, "DIB colour table truncated");
  if (l.bits <= 8) l.palette = d.data() + pos;
  pos += static_cast<std::size_t>(entries * 4);
  l.stride = ((static_cast<std::size_t>(l.width) * l.bits + 31) / 32) * 4;
  const std::uint64_t need = static_cast<std::uint64_t>(l.stride) * l.height;
  if (d.size() - pos < need) Fail(what, "DIB pixel data truncated");
  l.pixels = d.data() + pos;
  return l;
}

RgbImage DecodeDib(const DibLayout& l) {
  RgbImage img;
  img.width = l.width;
  img.height = l.height;
  img.rgb.resize(static_cast<std::size_t>(l.width) * l.height * 3);
  std::uint8_t table[256][3] = {};  // entries beyond a short table stay black
  for (int i = 0; i < l.palette_entries; ++i) {
    table[i][0] = l.palette[4 * i + 2];
    table[i][1] = l.palette[4 * i + 1];
    table[i][2] = l.palette[4 * i + 0];
  }
  for (int y = 0; y < l.height; ++y) {
    const std::uint8_t* row = l.pixels + l.stride * (l.top_down ? y : l.height - 1 - y);
    std::uint8_t* out = img.rgb.data() + static_cast<std::size_t>(y) * l.width * 3;
    for (int x = 0; x < l.width; ++x, out += 3) {
      switch (l.bits) {
        case 1:
        case 4:
        case 8: {
          const int per_byte = 8 / l.bits;
          const int shift = 8 - l.bits * (x % per_byte + 1);
          const int index = (row[x / per_byte] >> shift) & ((1 << l.bits) - 1);
          out[0] = table[index][0];
          out[1] = table[index][1];
          out[2] = table[index][2];
          break;
        }
        case 24:
          out[0] = row[3 * x + 2];
          out[1] = row[3 * x + 1];
          out[2] = row[3 * x + 0];
          break;
        default: {
          const std::uint32_t v = l.bits == 16 ? U16(row + 2 * x) : U32(row + 4 * x);
          for (int c = 0; c < 3; ++c)
            out[c] = Expand((v & l.masks[c].mask) >> l.masks[c].shift, l.masks[c].bits);
        }
      }
    }
  }
  return img;
}

// The class name and the data after it.
struct Split {
  std::string class_name;
  std::span<const std::uint8_t> body;
};

Split SplitStored(std::span<const std::uint8_t> data, const std::string& what) {
  if (data.empty()) Fail(what, "picture data is empty");
  const std::size_t n = data[0];
  if (data.size() < 1 + n) Fail(what, "picture class name truncated");
  return {std::string(reinterpret_cast<const char*>(data.data() + 1), n), data.subspan(1 + n)};
}

std::span<const std::uint8_t> JpegBody(std::span<const std::uint8_t> body,
                                       const std::string& what) {
  if (body.size() < 4) Fail(what, "JPEG byte count truncated");
  const std::uint32_t count = U32(body.data());
  if (body.size() - 4 < count) Fail(what, "JPEG data truncated");
  return body.subspan(4, count);
}

}  // namespace

StoredPicture ParseStoredPicture(std::span<const std::uint8_t> data, const std::string& what) {
  const Split s = SplitStored(data, what);
  StoredPicture p;
  if (s.class_name.empty()) {
    p.bytes.assign(data.begin(), data.end());
    return p;  // a stored "no picture"
  }
  if (s.class_name == "TDIB") {
    const DibLayout l = ParseDib(s.body, what);
    p.kind = PictureKind::Dib;
    p.width = l.width;
    p.height = l.height;
    p.bits = l.bits;
    p.bitfields = l.bitfields;
  } else if (s.class_name == "TJPEGImage") {
    const auto jpeg = JpegBody(s.body, what);
    JpegResult r;
    if (!RunJpeg(jpeg.data(), jpeg.size(), &r)) Fail(what, std::string("bad JPEG: ") + r.message);
    p.kind = PictureKind::Jpeg;
    p.width = r.width;
    p.height = r.height;
    p.bits = r.components * 8;
  } else {
    Fail(what, "picture class \"" + s.class_name + "\" not supported");
  }
  p.bytes.assign(data.begin(), data.end());
  return p;
}

RgbImage DecodePicture(const StoredPicture& picture, const std::string& what) {
  if (picture.kind == PictureKind::None) return {};
  const Split s = SplitStored(picture.bytes, what);
  if (picture.kind == PictureKind::Dib && s.class_name == "TDIB")
    return DecodeDib(ParseDib(s.body, what));
  if (picture.kind == PictureKind::Jpeg && s.class_name == "TJPEGImage")
    return DecodeJpeg(JpegBody(s.body, what), what);
  Fail(what, "picture class \"" + s.class_name + "\" does not match the picture kind");
}

RgbImage DecodeJpeg(std::span<const std::uint8_t> jpeg, const std::string& what) {
  RgbImage img;
  JpegResult r;
  r.out = &img;
  if (!RunJpeg(jpeg.data(), jpeg.size(), &r)) Fail(what, std::string("bad JPEG: ") + r.message);
  return img;
}

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality) {
  if (image.width <= 0 || image.height <= 0 || image.width > kMaxPictureSide ||
      image.height > kMaxPictureSide ||
      image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3)
    throw Error("JPEG encoder: bad image size");
  if (quality < 1 || quality > 100)
    throw Error("JPEG encoder: quality " + std::to_string(quality) + " out of range 1..100");
  JpegEncodeResult r;
  const bool ok = RunJpegEncode(&image, quality, &r);
  std::vector<std::uint8_t> out;
  if (ok && r.buffer) out.assign(r.buffer, r.buffer + r.size);
  std::free(r.buffer);
  if (!ok) throw Error(std::string("JPEG encoder: ") + r.message);
  return out;
}

}  // namespace media
