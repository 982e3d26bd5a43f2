// contact_sheet [--keyed I,J,...] [--title TEXT] SOURCE OUT.png: every picture of
// an image list laid out on one PNG at its own size, transparent pixels shown as
// a checkerboard, with index, name, size and stored form under each.
// SOURCE is a level image file, or builtin:NAME for a list built into the program
// (vrt, ostrovy, window). --keyed shows the stored colour of those items as
// transparent even where the item's flag is off (the window's gauge bars, which
// their widgets draw keyed).
#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "assets/embedded.h"
#include "media/error.h"
#include "media/image_list.h"
#include "media/lta.h"
#include "media/png_writer.h"
#include "media/surface.h"
#include "media/text.h"

namespace {

constexpr int kMargin = 16;        // around the sheet and between cells
constexpr int kSheetWidth = 1680;  // room for two full-screen pictures side by side
constexpr int kCheck = 8;          // checkerboard square
const media::FontSpec kCaption{9, 96, false};
const media::FontSpec kHeading{14, 96, true};

constexpr media::Pixel kBackground = media::Reduce(48, 48, 56);
constexpr media::Pixel kCheckLight = media::Reduce(230, 230, 230);
constexpr media::Pixel kCheckDark = media::Reduce(170, 170, 170);
constexpr media::Pixel kFrame = media::Reduce(255, 200, 0);
constexpr media::Pixel kFailed = media::Reduce(200, 0, 0);

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw media::Error("Cannot open file " + path);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
}

struct Cell {
  int index = 0;
  const media::PictureCollectionItem* item = nullptr;
  bool keyed = false;
  std::string error;  // why the picture could not be prepared
  std::vector<std::string> caption;
  int pic_w = 0, pic_h = 0;  // the area kept for the picture
  int w = 0, h = 0;          // the whole cell
  int x = 0, y = 0;
};

const char* KindName(media::PictureKind kind) {
  return kind == media::PictureKind::Dib    ? "dib"
         : kind == media::PictureKind::Jpeg ? "jpeg"
                                            : "none";
}

std::string Hex(media::TColor c) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(c));
  return text;
}

void FillRect(media::Surface& s, int x0, int y0, int w, int h, media::Pixel p) {
  for (int y = std::max(0, y0); y < std::min(s.Height(), y0 + h); ++y)
    for (int x = std::max(0, x0); x < std::min(s.Width(), x0 + w); ++x) s.Set(x, y, p);
}

// A one-pixel outline just outside the rectangle, so that the picture's extent
// shows even where its edge pixels are transparent or match the background.
void Outline(media::Surface& s, int x, int y, int w, int h, media::Pixel p) {
  FillRect(s, x - 1, y - 1, w + 2, 1, p);
  FillRect(s, x - 1, y + h, w + 2, 1, p);
  FillRect(s, x - 1, y, 1, h, p);
  FillRect(s, x + w, y, 1, h, p);
}

void DrawPicture(media::Surface& sheet, const Cell& c) {
  const media::Surface* pic = c.item->Prepared();
  if (!pic) {
    FillRect(sheet, c.x, c.y, c.pic_w, c.pic_h, c.error.empty() ? kBackground : kFailed);
    Outline(sheet, c.x, c.y, c.pic_w, c.pic_h, kFrame);
    return;
  }
  const bool keyed = c.keyed && pic->HasColorKey();
  const media::Pixel key = pic->ColorKey();
  for (int y = 0; y < pic->Height(); ++y)
    for (int x = 0; x < pic->Width(); ++x) {
      media::Pixel p = pic->At(x, y);
      if (keyed && p == key) p = ((x / kCheck + y / kCheck) % 2) ? kCheckDark : kCheckLight;
      sheet.Set(c.x + x, c.y + y, p);
    }
  Outline(sheet, c.x, c.y, pic->Width(), pic->Height(), kFrame);
}

std::vector<int> ParseIndices(const std::string& text) {
  std::vector<int> out;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, ',');) out.push_back(std::stoi(part));
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::set<int> forced;
  std::string title, source, out;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--keyed" && i + 1 < argc) {
      for (int k : ParseIndices(argv[++i])) forced.insert(k);
    } else if (arg == "--title" && i + 1 < argc) {
      title = argv[++i];
    } else if (source.empty()) {
      source = arg;
    } else if (out.empty()) {
      out = arg;
    } else {
      source.clear();
      break;
    }
  }
  if (source.empty() || out.empty()) {
    std::fprintf(stderr, "usage: %s [--keyed I,J,...] [--title TEXT] SOURCE OUT.png\n", argv[0]);
    return 2;
  }
  try {
    std::vector<std::uint8_t> data;
    if (source.rfind("builtin:", 0) == 0) {
      const auto bytes = assets::Embedded(source.substr(8) + ".lta");
      if (bytes.empty()) throw media::Error("no built-in list " + source.substr(8));
      data.assign(bytes.begin(), bytes.end());
    } else {
      data = ReadFile(source);
    }
    if (title.empty()) title = source;
    std::vector<media::PictureCollectionItem> items = media::ReadImageListFile(data, source);

    std::vector<Cell> cells(items.size());
    int failures = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
      Cell& c = cells[i];
      media::PictureCollectionItem& item = items[i];
      c.index = static_cast<int>(i);
      c.item = &item;
      c.keyed = item.Transparent || forced.count(c.index);
      try {
        item.Prepare();
      } catch (const std::exception& e) {
        c.error = e.what();
        ++failures;
        std::fprintf(stderr, "contact_sheet: %s item %zu: %s\n", source.c_str(), i, e.what());
      }
      const media::StoredPicture& p = item.Picture;
      c.caption.push_back(std::to_string(i) + " \"" + item.Name + "\"");
      if (p.kind == media::PictureKind::None) {
        c.caption.push_back("no picture");
      } else {
        c.caption.push_back(std::to_string(p.width) + "x" + std::to_string(p.height) + " " +
                            KindName(p.kind) + " " + std::to_string(p.bits) + " bpp" +
                            (p.bitfields ? " bit fields" : ""));
      }
      c.caption.push_back(c.keyed ? "key " + Hex(item.TransparentColor) +
                                        (item.Transparent ? "" : " (widget)")
                                  : "opaque");
      if (!c.error.empty()) c.caption.push_back("CANNOT DECODE: " + c.error);
      if (const media::Surface* s = item.Prepared()) {
        c.pic_w = s->Width();
        c.pic_h = s->Height();
      } else {
        c.pic_w = c.pic_h = 24;  // a placeholder box
      }
      c.w = c.pic_w;
      c.h = c.pic_h + 4;
      for (const std::string& line : c.caption) {
        const media::TextExtent e = media::MeasureText(line, kCaption);
        c.w = std::max(c.w, e.width);
        c.h += std::max(e.height, 12);
      }
    }

    // Rows left to right in index order, a new row when the next cell does not fit.
    const media::TextExtent heading = media::MeasureText(title, kHeading);
    int width = kSheetWidth;
    for (const Cell& c : cells) width = std::max(width, c.w + 2 * kMargin);
    int x = kMargin, y = kMargin + std::max(heading.height, 20) + kMargin, row_h = 0;
    for (Cell& c : cells) {
      if (x > kMargin && x + c.w > width - kMargin) {
        x = kMargin;
        y += row_h + kMargin;
        row_h = 0;
      }
      c.x = x;
      c.y = y;
      x += c.w + kMargin;
      row_h = std::max(row_h, c.h);
    }
    const int height = y + row_h + kMargin;

    media::Surface sheet(width, height);
    sheet.Fill(kBackground);
    media::DrawText(sheet, kMargin, kMargin, title, kHeading, media::clWhite);
    for (const Cell& c : cells) {
      DrawPicture(sheet, c);
      int ty = c.y + c.pic_h + 4;
      for (const std::string& line : c.caption) {
        media::DrawText(sheet, c.x, ty, line, kCaption,
                        line.rfind("CANNOT", 0) == 0 ? media::clRed : media::clWhite);
        ty += std::max(media::MeasureText(line, kCaption).height, 12);
      }
    }
    if (!media::WritePng(sheet, out)) throw media::Error("Cannot write " + out);
    std::printf("%s: %zu pictures%s\n", out.c_str(), cells.size(),
                failures ? (", " + std::to_string(failures) + " do not decode").c_str() : "");
    return failures ? 1 : 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "contact_sheet: %s\n", e.what());
    return 1;
  }
}
