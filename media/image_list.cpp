#include "media/image_list.h"

#include <SDL.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <vector>

#include "media/error.h"
#include "media/lta.h"
#include "media/rotated_cache.h"

namespace media {

// ---------------------------------------------------------------------------------
// Prepared surfaces.

namespace {

struct SdlSurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

}  // namespace

struct PictureCollectionItem::PreparedImage {
  Surface surface;  // the picture, plain and directly readable; its key is set
  Pixel key = 0;
  // The pattern grid: `count` cells of cell_w x cell_h, step_x / step_y apart,
  // `columns` to a row.
  int cell_w = 0, cell_h = 0, step_x = 1, step_y = 1, columns = 1, count = 0;
  // Blit sources for DrawImage, views of `surface`'s pixels (which stay put: a view
  // of borrowed pixels keeps them when SDL run-length encodes it): with the key and
  // run-length encoded (SDL_RLEACCEL) for transparent draws, without the key
  // otherwise. Made at preparation for the image's Transparent setting, the other
  // one on first use. Declared after `surface`, so they go before it.
  mutable SdlSurfacePtr keyed, opaque;

  // The rotated draws whose shapes come back, remembered (see DrawRotated).
  mutable RotatedCache rotated;

  // Where the pixels other than the key lie in a one-pattern picture: between these
  // distances (squared, in source pixels) from the picture's centre, counting the
  // whole of each pixel. A rotated draw samples only that ring: the rotor wash is
  // spray round an empty middle. Measured at the first rotated draw that needs it
  // (a few microseconds for a sprite); only for a picture of one pattern.
  mutable bool ring_measured = false;
  mutable double ring_inner2 = 0, ring_outer2 = -1;  // outer -1: nothing but the key

  void MeasureRing() const {
    ring_measured = true;
    const double cx = cell_w / 2.0, cy = cell_h / 2.0;
    const int middle = std::clamp(static_cast<int>(cx), 0, std::max(cell_w - 1, 0));
    // The nearest and farthest points of the square [x, x+1) x [y, y+1) of a pixel.
    const auto near = [](int x, double c) { return std::max({0.0, x - c, c - (x + 1)}); };
    const auto far = [](int x, double c) {
      return std::max(std::fabs(x - c), std::fabs(x + 1 - c));
    };
    double inner2 = 1e300, outer2 = -1;
    for (int y = 0; y < cell_h; ++y) {
      const Pixel* row = surface.Row(y);
      int first = 0, last = cell_w - 1;
      while (first < cell_w && row[first] == key) ++first;
      if (first == cell_w) continue;
      while (row[last] == key) --last;
      // Farthest: an end of the row's pixels; nearest: the one closest to the middle.
      const double fy = far(y, cy), ny = near(y, cy);
      const double fx = std::max(far(first, cx), far(last, cx));
      outer2 = std::max(outer2, fx * fx + fy * fy);
      int left = middle, right = middle;
      while (left >= first && row[left] == key) --left;
      while (right <= last && row[right] == key) ++right;
      double nx = 1e300;
      if (left >= first) nx = std::min(nx, near(left, cx));
      if (right <= last) nx = std::min(nx, near(right, cx));
      inner2 = std::min(inner2, nx * nx + ny * ny);
    }
    ring_inner2 = inner2;
    ring_outer2 = outer2;
  }

  Rect Pattern(int index) const {
    return {(index % columns) * step_x, (index / columns) * step_y, cell_w, cell_h};
  }

  SDL_Surface* BlitSource(bool transparent) const {
    SdlSurfacePtr& slot = transparent ? keyed : opaque;
    if (!slot) {
      SDL_Surface* plain = surface.sdl();
      SDL_Surface* view = SDL_CreateRGBSurfaceWithFormatFrom(plain->pixels, plain->w, plain->h, 16,
                                                             plain->pitch, plain->format->format);
      if (!view) return nullptr;
      SDL_SetSurfaceBlendMode(view, SDL_BLENDMODE_NONE);
      if (transparent) {
        SDL_SetColorKey(view, SDL_TRUE, key);
        SDL_SetSurfaceRLE(view, 1);
      } else {
        SDL_SetColorKey(view, SDL_FALSE, 0);
        SDL_SetSurfaceRLE(view, 0);
      }
      slot.reset(view);
    }
    return slot.get();
  }
};

int PictureCollectionItem::ImageWidth() const {
  return PatternWidth > 0 ? PatternWidth : Picture.width;
}
int PictureCollectionItem::ImageHeight() const {
  return PatternHeight > 0 ? PatternHeight : Picture.height;
}

void PictureCollectionItem::Prepare() {
  Drop();
  if (Picture.kind != PictureKind::None) {
    const RgbImage img =
        DecodePicture(Picture, Name.empty() ? "picture" : "image \"" + Name + "\"");
    auto p = std::make_shared<PreparedImage>();
    try {
      p->surface = Surface(img.width, img.height);
    } catch (const std::exception&) {
      throw Error("Surface cannot be made");
    }
    if (!p->surface.Valid() || p->surface.Width() != img.width || p->surface.Height() != img.height)
      throw Error("Surface cannot be made");
    const std::uint8_t* in = img.rgb.data();
    for (int y = 0; y < img.height; ++y) {
      Pixel* row = p->surface.Row(y);
      for (int x = 0; x < img.width; ++x, in += 3) row[x] = Reduce(in[0], in[1], in[2]);
    }
    p->key = ReduceColor(TransparentColor);
    p->surface.SetColorKey(true, p->key);
    // Patterns: the whole picture, or a grid of PatternWidth x PatternHeight cells
    // with SkipWidth / SkipHeight between them, counted row by row.
    const int w = img.width, h = img.height;
    if (PatternWidth <= 0 && PatternHeight <= 0) {
      p->cell_w = w;
      p->cell_h = h;
      p->step_x = std::max(w, 1);
      p->step_y = std::max(h, 1);
      p->columns = 1;
      p->count = 1;
    } else {
      p->cell_w = PatternWidth > 0 ? PatternWidth : w;
      p->cell_h = PatternHeight > 0 ? PatternHeight : h;
      const long long sx = std::max(SkipWidth, 0), sy = std::max(SkipHeight, 0);
      const long long stepx = p->cell_w + sx, stepy = p->cell_h + sy;
      const long long cols = (w + sx) / stepx, rows = (h + sy) / stepy;
      p->step_x = static_cast<int>(std::min<long long>(stepx, kMaxPictureSide * 2));
      p->step_y = static_cast<int>(std::min<long long>(stepy, kMaxPictureSide * 2));
      p->columns = static_cast<int>(std::max<long long>(cols, 1));
      p->count = static_cast<int>(cols * rows);
    }
    if (!p->BlitSource(Transparent)) throw Error("Surface cannot be made");
    prepared_ = std::move(p);
  }
  initialized_ = true;
}

void PictureCollectionItem::Drop() {
  prepared_.reset();
  initialized_ = false;
}

void PictureCollectionItem::ReadyFor(Surface& dest) const {
  if (!prepared_ || !Transparent || !dest.Valid()) return;
  SDL_Surface* src = prepared_->BlitSource(true);
  if (!src) return;
  const Pixel kept = dest.At(0, 0);
  SDL_Rect from{0, 0, 1, 1}, to{0, 0, 1, 1};
  SDL_BlitSurface(src, &from, dest.sdl(), &to);
  dest.Set(0, 0, kept);
}

const Surface* PictureCollectionItem::Prepared() const {
  return prepared_ ? &prepared_->surface : nullptr;
}

int PictureCollectionItem::PatternCount() const {
  return prepared_ ? prepared_->count : 0;
}

// ---------------------------------------------------------------------------------
// DrawImage: a 1:1 copy clipped at the destination's four edges, leaving out the
// keyed pixels when Transparent. Everything before the blit is O(1).

void PictureCollectionItem::DrawImage(Surface& dest, int x, int y, int pattern) const {
  if (!initialized_ || !prepared_) return;
  const PreparedImage& p = *prepared_;
  if (pattern < 0 || pattern >= p.count || !dest.Valid()) return;
  const int dw = dest.Width(), dh = dest.Height();
  if (x > dw || y > dh) return;
  const Rect s = p.Pattern(pattern);
  CopyRect r{s.x, s.y, s.w, s.h, x, y};
  if (!ClipCopy(r, p.surface.Width(), p.surface.Height(), dw, dh)) return;
  const int sx = static_cast<int>(r.sx), sy = static_cast<int>(r.sy);
  const int w = static_cast<int>(r.w), h = static_cast<int>(r.h);
  const int dx = static_cast<int>(r.dx), dy = static_cast<int>(r.dy);
  if (!Transparent) {
    CopyPixels(p.surface, sx, sy, w, h, dest, dx, dy);
    return;
  }
  SDL_Surface* src = p.BlitSource(Transparent);
  if (!src) return;
  SDL_Rect sr{sx, sy, w, h};
  SDL_Rect dr{dx, dy, w, h};
  SDL_BlitSurface(src, &sr, dest.sdl(), &dr);
}

// ---------------------------------------------------------------------------------
// DrawRotated.

namespace {

const std::array<double, 256>& CosTable() {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = std::cos(i * 2.0 * std::numbers::pi / 256.0);
    return t;
  }();
  return table;
}

// trunc, nudged a hair away from zero so that products that are integers in exact
// arithmetic (cos 64 is 6e-17, not 0) truncate to that integer.
long long Trunc(double v) {
  v += v >= 0 ? 1e-9 : -1e-9;
  v = std::clamp(v, -1e12, 1e12);
  return static_cast<long long>(std::trunc(v));
}

// std::llround (halves away from zero) for |v| < 2^63, without the library call: the
// truncation is exact and so is v minus it.
inline long long Round(double v) {
  const auto i = static_cast<long long>(v);
  const double rest = v - static_cast<double>(i);
  return rest >= 0.5 ? i + 1 : rest <= -0.5 ? i - 1 : i;
}

long long FloorDiv(long long a, long long b) {  // b > 0
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}
long long CeilDiv(long long a, long long b) {  // b > 0
  return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// Narrows [lo, hi] to the k with 0 <= a + k * b < limit.
void Narrow(long long a, long long b, long long limit, long long& lo, long long& hi) {
  if (b == 0) {
    if (a < 0 || a >= limit) hi = lo - 1;
  } else if (b > 0) {
    lo = std::max(lo, CeilDiv(-a, b));
    hi = std::min(hi, FloorDiv(limit - 1 - a, b));
  } else {
    lo = std::max(lo, CeilDiv(a - limit + 1, -b));
    hi = std::min(hi, FloorDiv(a, -b));
  }
}

// BlendRun's blend of one pixel.
inline Pixel BlendPixel(Pixel sp, Pixel dp, std::uint16_t a, std::uint16_t ia) {
  const std::uint16_t sr = ((sp >> 8) & 0xF8) | (sp >> 13), dr = ((dp >> 8) & 0xF8) | (dp >> 13);
  const std::uint16_t sg = ((sp >> 3) & 0xFC) | ((sp >> 9) & 3);
  const std::uint16_t dg = ((dp >> 3) & 0xFC) | ((dp >> 9) & 3);
  const std::uint16_t sb = ((sp << 3) & 0xF8) | ((sp >> 2) & 7);
  const std::uint16_t db = ((dp << 3) & 0xF8) | ((dp >> 2) & 7);
  const std::uint16_t r = static_cast<std::uint16_t>(sr * a + dr * ia) >> 8;
  const std::uint16_t g = static_cast<std::uint16_t>(sg * a + dg * ia) >> 8;
  const std::uint16_t b = static_cast<std::uint16_t>(sb * a + db * ia) >> 8;
  return static_cast<Pixel>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3));
}

// The blend of one run of gathered source pixels onto the destination: each 8-bit
// channel becomes d + floor((s - d) * alpha / 256), computed as
// (s * alpha + d * (256 - alpha)) >> 8, which never exceeds 16 bits, so the loop
// runs in 16-bit lanes and the compiler vectorises it. A keyed source pixel leaves
// the destination as it was.
void BlendRun(Pixel* __restrict d, const Pixel* __restrict s, int n, int alpha, bool keyed,
              Pixel key) {
  const auto a = static_cast<std::uint16_t>(alpha), ia = static_cast<std::uint16_t>(256 - alpha);
  for (int i = 0; i < n; ++i) {
    const std::uint16_t sp = s[i], dp = d[i];
    d[i] = (keyed && sp == key) ? dp : BlendPixel(sp, dp, a, ia);
  }
}

// One row's run of destination pixels whose samples all lie inside the pattern.
// Positions are 16.16 and below 2^29 (pictures are at most 8192 pixels a side), so
// they are stepped in unsigned 32-bit arithmetic: a negative step wraps to the
// same sum, and every position sampled is in range.
struct Span {
  Pixel* dest;
  const Pixel* src;  // the pattern's top-left pixel
  std::ptrdiff_t pitch;
  std::uint32_t fx, fy, ax, ay;  // source position and its step per destination pixel
  int count;
};

inline Pixel Sample(const Pixel* src, std::ptrdiff_t pitch, std::uint32_t fx, std::uint32_t fy) {
  return src[static_cast<std::ptrdiff_t>(fy >> 16) * pitch + (fx >> 16)];
}

// Samples gathered a chunk at a time, then put down together: a keyed pixel is left
// out by a select rather than a branch (the key comes and goes at random in a
// picture like the rotor wash's spray), and the blend runs vectorised.
void OpaqueSpan(const Span& s, bool keyed, Pixel key) {
  const Pixel* const src = s.src;
  const std::ptrdiff_t pitch = s.pitch;
  const std::uint32_t ax = s.ax, ay = s.ay;
  std::uint32_t fx = s.fx, fy = s.fy;
  if (!keyed) {
    Pixel* const d = s.dest;
    for (int i = 0; i < s.count; ++i, fx += ax, fy += ay) d[i] = Sample(src, pitch, fx, fy);
    return;
  }
  constexpr int kChunk = 256;
  Pixel gathered[kChunk];
  for (int done = 0; done < s.count; done += kChunk) {
    const int n = std::min(kChunk, s.count - done);
    for (int i = 0; i < n; ++i, fx += ax, fy += ay) gathered[i] = Sample(src, pitch, fx, fy);
    Pixel* __restrict const d = s.dest + done;
    for (int i = 0; i < n; ++i) d[i] = gathered[i] == key ? d[i] : gathered[i];
  }
}

void BlendSpan(const Span& s, bool keyed, Pixel key, int alpha) {
  constexpr int kChunk = 256;
  Pixel gathered[kChunk];
  const Pixel* const src = s.src;
  const std::ptrdiff_t pitch = s.pitch;
  const std::uint32_t ax = s.ax, ay = s.ay;
  std::uint32_t fx = s.fx, fy = s.fy;
  for (int done = 0; done < s.count; done += kChunk) {
    const int n = std::min(kChunk, s.count - done);
    for (int i = 0; i < n; ++i, fx += ax, fy += ay) gathered[i] = Sample(src, pitch, fx, fy);
    BlendRun(s.dest + done, gathered, n, alpha, keyed, key);
  }
}

// Room for building a remembered draw and for blending one in bulk, kept from one
// draw to the next: the drawing path allocates only when a larger shape than any
// before comes.
std::vector<std::uint16_t>& ScratchWords() {
  static std::vector<std::uint16_t> words;
  return words;
}
std::vector<Pixel>& ScratchPixels() {
  static std::vector<Pixel> pixels;
  return pixels;
}

// The largest bounding box a draw may have to be remembered, so that its columns
// fit 16 bits and building it stays short.
constexpr long long kRememberedSide = 1024, kRememberedArea = 256 * 256;

// Draws a remembered draw at (x, y), clipped to the destination: its runs copied,
// or, blended, all together: the destination's pixels under the runs gathered,
// blended in one vectorised pass against the remembered pixels and put back.
void DrawRemembered(const RotatedRuns& r, Surface& dest, int x, int y, int alpha) {
  const long long w = dest.Width(), h = dest.Height();
  const long long top = static_cast<long long>(y) + r.top;
  const long long left = static_cast<long long>(x) + r.left;
  const bool whole = top >= 0 && top + r.rows <= h && left >= 0 && left + r.columns <= w;
  const bool blend = alpha < 255;
  const std::uint16_t* run = r.runs;
  if (whole && blend) {
    std::vector<Pixel>& under = ScratchPixels();
    if (under.size() < static_cast<std::size_t>(r.pixel_count))
      under.resize(static_cast<std::size_t>(r.pixel_count));
    Pixel* g = under.data();
    for (int row = 0; row < r.rows; ++row) {
      const Pixel* const out = dest.Row(static_cast<int>(top + row)) + left;
      for (int k = *run++; k > 0; --k, run += 2) {
        std::memcpy(g, out + run[0], run[1] * sizeof(Pixel));
        g += run[1];
      }
    }
    BlendRun(under.data(), r.pixels, r.pixel_count, alpha, false, 0);
    run = r.runs;
    const Pixel* b = under.data();
    for (int row = 0; row < r.rows; ++row) {
      Pixel* const out = dest.Row(static_cast<int>(top + row)) + left;
      for (int k = *run++; k > 0; --k, run += 2) {
        std::memcpy(out + run[0], b, run[1] * sizeof(Pixel));
        b += run[1];
      }
    }
    return;
  }
  const Pixel* px = r.pixels;
  for (int row = 0; row < r.rows; ++row) {
    const int count = *run++;
    const long long dy = top + row;
    if (dy < 0 || dy >= h) {
      for (int k = 0; k < count; ++k, run += 2) px += run[1];
      continue;
    }
    Pixel* const out = dest.Row(static_cast<int>(dy));
    for (int k = 0; k < count; ++k, run += 2) {
      const long long from = left + run[0];
      const long long a = std::max(from, 0LL), b = std::min(from + run[1], w);
      if (a < b) {
        const Pixel* const src = px + (a - from);
        if (blend)
          BlendRun(out + a, src, static_cast<int>(b - a), alpha, false, 0);
        else
          std::memcpy(out + a, src, static_cast<std::size_t>(b - a) * sizeof(Pixel));
      }
      px += run[1];
    }
  }
}

}  // namespace

void PictureCollectionItem::DrawRotated(Surface& dest, int x, int y, int width, int height,
                                        int pattern, double centre_x, double centre_y, int angle,
                                        int alpha) const {
  Rotated(&dest, x, y, width, height, pattern, centre_x, centre_y, angle, alpha);
}

void PictureCollectionItem::RememberRotated(int width, int height, int pattern, double centre_x,
                                            double centre_y) const {
  for (int angle = 0; angle < 256; ++angle)
    Rotated(nullptr, 0, 0, width, height, pattern, centre_x, centre_y, angle, 255);
}

void PictureCollectionItem::Rotated(Surface* to, int x, int y, int width, int height, int pattern,
                                    double centre_x, double centre_y, int angle, int alpha) const {
  // 1.-2. The cases that draw nothing.
  if (!initialized_ || !prepared_) return;
  const PreparedImage& p = *prepared_;
  if (pattern < 0 || pattern >= p.count) return;
  const bool remember = to == nullptr;  // only remember the shape, drawing nothing
  if (!remember && (alpha <= 0 || !to->Valid() || to->Width() <= 0 || to->Height() <= 0)) return;
  if (width == 0 || height == 0 || !std::isfinite(centre_x) || !std::isfinite(centre_y)) return;
  const Surface& src = p.surface;
  if (!src.Valid() || src.Width() <= 0 || src.Height() <= 0) return;
  Rect pr = p.Pattern(pattern);
  pr.w = std::min(pr.w, src.Width() - pr.x);
  pr.h = std::min(pr.h, src.Height() - pr.y);
  if (pr.w <= 0 || pr.h <= 0) return;
  const bool keyed = Transparent;
  const int a = angle & 0xFF;

  // A shape drawn again soon (only its place changes: a rotor at its angle, a body
  // at its heading, the map's marks) is drawn from what was remembered of it.
  RotatedShape shape{pattern, width, height, a, centre_x, centre_y, keyed};
  RotatedRuns remembered;
  if (p.rotated.Find(shape, remembered)) {
    if (!remember) DrawRemembered(remembered, *to, x, y, std::min(alpha, 255));
    return;
  }

  // 5. Geometry: cos from the table, sin as the entry 64 steps earlier.
  const auto& table = CosTable();
  const double cs = table[a], sn = table[(a - 64) & 0xFF];
  const double w = width, h = height;
  const double ox = w * centre_x, oy = h * centre_y;  // the point that lands on (x, y)

  // 6. The corners' bounding box, as offsets from (x, y), then clipped to the
  // destination.
  long long ox0 = 0, ox1 = 0, oy0 = 0, oy1 = 0;
  for (int i = 0; i < 4; ++i) {
    const double u = (i & 1) ? w : 0, v = (i & 2) ? h : 0;
    const double c = static_cast<double>(Trunc(u - ox)), d = static_cast<double>(Trunc(v - oy));
    const long long px = Trunc(c * cs - d * sn), py = Trunc(c * sn + d * cs);
    if (i == 0 || px < ox0) ox0 = px;
    if (i == 0 || px > ox1) ox1 = px;
    if (i == 0 || py < oy0) oy0 = py;
    if (i == 0 || py > oy1) oy1 = py;
  }

  // Inverse mapping: a destination offset (dx, dy) from (x, y) comes from the target
  // point (dx cos + dy sin + ox, -dx sin + dy cos + oy), scaled by pattern / target.
  // A pixel's source position depends only on its offset from (x, y), never on how
  // the box was clipped.
  const double su = pr.w / w, sv = pr.h / h;
  constexpr double kOne = 65536.0;
  const long long ax = std::llround(cs * su * kOne), ay = std::llround(-sn * sv * kOne);
  const long long limit_x = static_cast<long long>(pr.w) << 16;
  const long long limit_y = static_cast<long long>(pr.h) << 16;
  // For the row at offset dy: the source position at column offset 0 (false when
  // it is out of all range).
  const auto row_start = [&](long long dy, long long& fx0, long long& fy0) {
    const double u = (static_cast<double>(dy) * sn + ox) * su;
    const double v = (static_cast<double>(dy) * cs + oy) * sv;
    if (!(std::fabs(u) < 1e12) || !(std::fabs(v) < 1e12)) return false;
    fx0 = Round(u * kOne);
    fy0 = Round(v * kOne);
    return true;
  };
  // ... and which of the column offsets [from, to] sample inside the pattern (false
  // when none do). |offsets| < 2^32 and |ax| < 2^30: no overflow.
  const auto row_range = [&](long long dy, long long from, long long to, long long& fx0,
                             long long& fy0, long long& lo, long long& hi) {
    if (!row_start(dy, fx0, fy0)) return false;
    lo = 0;
    hi = to - from;
    Narrow(fx0 + from * ax, ax, limit_x, lo, hi);
    Narrow(fy0 + from * ay, ay, limit_y, lo, hi);
    lo += from;
    hi += from;
    return lo <= hi;
  };

  const Pixel key = p.key;
  Span s;
  s.src = src.Row(pr.y) + pr.x;
  s.pitch = src.PitchPixels();
  s.ax = static_cast<std::uint32_t>(ax);
  s.ay = static_cast<std::uint32_t>(ay);

  // The parts of a row's offsets [lo, hi] (source position (fx0, fy0) at offset 0)
  // whose samples can be other than the key: those within the picture's ring, with
  // a sample to spare at each end against rounding. Each part goes to `part` in
  // order; without a key, or for a grid of patterns, the whole row.
  const bool by_ring = keyed && p.count == 1 && (ax != 0 || ay != 0);
  if (by_ring && !p.ring_measured) p.MeasureRing();
  if (by_ring && p.ring_outer2 < 0) return;  // nothing but the key
  const double cx = pr.w / 2.0, cy = pr.h / 2.0;
  const double step_x = static_cast<double>(ax) / kOne, step_y = static_cast<double>(ay) / kOne;
  const double step2 = step_x * step_x + step_y * step_y;
  const double per_step2 = by_ring ? 1.0 / step2 : 0.0;  // every row multiplies by it
  const auto ring_parts = [&](long long fx0, long long fy0, long long lo, long long hi,
                              const auto& part) {
    if (!by_ring) {
      part(lo, hi);
      return;
    }
    // |P(o) - c|^2 = step2 o^2 + 2 b o + c0, with P(o) the position at offset o.
    const double dx = static_cast<double>(fx0) / kOne - cx,
                 dy = static_cast<double>(fy0) / kOne - cy;
    const double b = dx * step_x + dy * step_y, c0 = dx * dx + dy * dy;
    // Offsets within the outer circle.
    const double outer = b * b - step2 * (c0 - p.ring_outer2);
    if (outer < 0) return;
    const double root = std::sqrt(outer);
    const long long from =
        std::max(lo, static_cast<long long>(std::floor((-b - root) * per_step2)) - 1);
    const long long to =
        std::min(hi, static_cast<long long>(std::ceil((-b + root) * per_step2)) + 1);
    if (from > to) return;
    // Less those well inside the inner one.
    const double inner = b * b - step2 * (c0 - p.ring_inner2);
    if (inner > 0) {
      const double hole = std::sqrt(inner);
      const long long gap_from = static_cast<long long>(std::ceil((-b - hole) * per_step2)) + 1;
      const long long gap_to = static_cast<long long>(std::floor((-b + hole) * per_step2)) - 1;
      if (gap_from <= gap_to && gap_from <= to && gap_to >= from) {
        if (from < gap_from) part(from, gap_from - 1);
        if (gap_to < to) part(gap_to + 1, to);
        return;
      }
    }
    part(from, to);
  };

  // The second draw of a shape within the picture's last few draws samples the
  // whole of it once and remembers the result; a first one (the rotor wash's sizes
  // and angles come back only after thousands of draws) is drawn straight.
  const long long rows = oy1 - oy0 + 1, columns = ox1 - ox0 + 1;
  if (rows <= kRememberedSide && columns <= kRememberedSide && rows * columns <= kRememberedArea &&
      (remember || p.rotated.SeenRecently(shape))) {
    // Runs first, at most one header per row and a run per two columns; pixels after.
    std::vector<std::uint16_t>& words = ScratchWords();
    const auto most = static_cast<std::size_t>(rows * (columns + 3) + rows * columns);
    if (words.size() < most) words.resize(most);
    std::uint16_t* const runs = words.data();
    Pixel* const pixels = words.data() + rows * (columns + 3);
    std::size_t nruns = 0, npixels = 0;
    Pixel row[kRememberedSide];  // one row's samples
    for (long long dy = oy0; dy <= oy1; ++dy) {
      std::uint16_t& count = runs[nruns++];
      count = 0;
      long long fx0, fy0, lo, hi;
      if (!row_range(dy, ox0, ox1, fx0, fy0, lo, hi)) continue;
      // Each part's samples gathered first, then cut into runs at the key.
      const auto sample_part = [&](long long from, long long to) {
        const int n = static_cast<int>(to - from + 1);
        auto fx = static_cast<std::uint32_t>(fx0 + from * ax);
        auto fy = static_cast<std::uint32_t>(fy0 + from * ay);
        for (int i = 0; i < n; ++i, fx += s.ax, fy += s.ay) row[i] = Sample(s.src, s.pitch, fx, fy);
        for (int i = 0;;) {
          if (keyed)
            while (i < n && row[i] == key) ++i;
          if (i == n) break;
          const int start = i;
          if (keyed)
            while (i < n && row[i] != key) ++i;
          else
            i = n;
          runs[nruns++] = static_cast<std::uint16_t>(from + start - ox0);
          runs[nruns++] = static_cast<std::uint16_t>(i - start);
          ++count;
          std::memcpy(pixels + npixels, row + start,
                      sizeof(Pixel) * static_cast<std::size_t>(i - start));
          npixels += static_cast<std::size_t>(i - start);
        }
      };
      ring_parts(fx0, fy0, lo, hi, sample_part);
    }
    const RotatedRuns box{static_cast<int>(oy0), static_cast<int>(ox0), static_cast<int>(rows),
                          static_cast<int>(columns)};
    if (p.rotated.Store(shape, box, std::span(runs, nruns), std::span(pixels, npixels),
                        remembered)) {
      if (!remember) DrawRemembered(remembered, *to, x, y, std::min(alpha, 255));
      return;
    }
  }
  if (remember) return;
  Surface& dest = *to;

  const long long bx0 = std::max<long long>(ox0 + x, 0);
  const long long by0 = std::max<long long>(oy0 + y, 0);
  const long long bx1 = std::min<long long>(ox1 + x, dest.Width() - 1);
  const long long by1 = std::min<long long>(oy1 + y, dest.Height() - 1);
  if (bx0 > bx1 || by0 > by1) return;
  const bool blend = alpha < 255;
  for (long long row = by0; row <= by1; ++row) {
    long long fx0, fy0, lo, hi;
    if (!row_range(row - y, bx0 - x, bx1 - x, fx0, fy0, lo, hi)) continue;
    Pixel* const line = dest.Row(static_cast<int>(row)) + x;
    ring_parts(fx0, fy0, lo, hi, [&](long long from, long long to) {
      s.dest = line + from;
      s.fx = static_cast<std::uint32_t>(fx0 + from * ax);
      s.fy = static_cast<std::uint32_t>(fy0 + from * ay);
      s.count = static_cast<int>(to - from + 1);
      if (blend) {
        BlendSpan(s, keyed, key, alpha);
      } else {
        OpaqueSpan(s, keyed, key);
      }
    });
  }
}

// ---------------------------------------------------------------------------------
// ImageList.

PictureCollectionItem& ImageList::Item(int index) {
  if (index < 0 || index >= Count())
    throw Error("List index out of bounds (" + std::to_string(index) + ")");
  return items_[static_cast<std::size_t>(index)];
}

const PictureCollectionItem& ImageList::Item(int index) const {
  return const_cast<ImageList*>(this)->Item(index);
}

void ImageList::LoadItemsFromFile(const std::string& path) {
  std::vector<std::uint8_t> data;
  {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) throw Error("Cannot open file " + path);
    // Sized once when the file tells its size, so that a level's pictures are not
    // held in a buffer grown to twice their size.
    struct stat info {};
    if (fstat(fileno(f), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
      data.reserve(static_cast<std::size_t>(info.st_size));
    std::uint8_t buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
      data.insert(data.end(), buffer, buffer + got);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) throw Error("Cannot open file " + path);  // unreadable, e.g. a folder
  }
  LoadItemsFromMemory(data, path);
}

void ImageList::LoadItemsFromMemory(std::span<const std::uint8_t> data, const std::string& what) {
  items_.clear();
  items_ = ReadImageListFile(data, what);
  if (initialized_)
    for (auto& item : items_) {
      item.Prepare();
      if (back_) item.ReadyFor(*back_);
    }
}

void ImageList::Initialize(Surface* back) {
  initialized_ = true;
  back_ = back;
  for (auto& item : items_) {
    item.Prepare();
    if (back_) item.ReadyFor(*back_);
  }
}

void ImageList::Finalize() {
  for (auto& item : items_) item.Drop();
  initialized_ = false;
  back_ = nullptr;
}

const PictureCollectionItem* ImageList::Drawable(int index) const {
  if (!initialized_ || index < 0 || index >= Count()) return nullptr;
  const PictureCollectionItem& item = items_[static_cast<std::size_t>(index)];
  return item.Prepared() ? &item : nullptr;
}

void ImageList::DrawImage(Surface& dest, int index, int x, int y) const {
  if (const auto* item = Drawable(index)) item->DrawImage(dest, x, y, 0);
}

void ImageList::DrawRotated(Surface& dest, int index, int x, int y, int width, int height,
                            double centre_x, double centre_y, int angle, int alpha) const {
  if (const auto* item = Drawable(index))
    item->DrawRotated(dest, x, y, width, height, 0, centre_x, centre_y, angle, alpha);
}

void ImageList::RememberRotated(int index, int width, int height, double centre_x,
                                double centre_y) const {
  if (const auto* item = Drawable(index))
    item->RememberRotated(width, height, 0, centre_x, centre_y);
}

int ImageList::ImageWidth(int index) const {
  return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)].ImageWidth() : 0;
}

int ImageList::ImageHeight(int index) const {
  return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)].ImageHeight() : 0;
}

}  // namespace media
