#include "media/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <list>
#include <map>
#include <string_view>
#include <tuple>

#include "media/blended_line.h"
#include "media/fonts.h"

namespace media {

namespace {

struct LineKey {
  std::string text;
  FontSpec font;
  TColor color;
};
// A line looked up without copying its text.
struct LineView {
  std::string_view text;
  FontSpec font;
  TColor color;
};
struct LineOrder {
  using is_transparent = void;
  template <typename A, typename B>
  bool operator()(const A& a, const B& b) const {
    // Both texts as views: a tuple of a string against one of a view does not
    // compare under every standard library.
    const std::string_view ta = a.text, tb = b.text;
    return std::tie(a.font, a.color, ta) < std::tie(b.font, b.color, tb);
  }
};
// Compared as views, so that both kinds of key order alike.
LineView View(const LineKey& k) {
  return {k.text, k.font, k.color};
}

class TextCache {
 public:
  ~TextCache() {
    for (auto& [key, font] : fonts_)
      if (font) TTF_CloseFont(font);
    if (ttf_) TTF_Quit();
  }

  TTF_Font* Font(const FontSpec& face) {
    if (!ttf_) {
      if (TTF_Init() != 0) return nullptr;
      ttf_ = true;
    }
    auto [it, inserted] = fonts_.try_emplace(face, nullptr);
    if (inserted) {
      const std::string& path = SansFontPath(face.bold);
      if (!path.empty())
        it->second = TTF_OpenFontDPI(path.c_str(), face.points, static_cast<unsigned>(face.dpi),
                                     static_cast<unsigned>(face.dpi));
    }
    return it->second;
  }

  const BlendedLine* Line(std::string_view text, const FontSpec& face, TColor color) {
    auto it = lines_.find(LineView{text, face, color});
    if (it != lines_.end()) {
      if (it->second.position != order_.begin())
        order_.splice(order_.begin(), order_, it->second.position);
      return &it->second.line;
    }
    TTF_Font* font = Font(face);
    if (!font || text.empty()) return nullptr;
    const std::string zero_ended(text);
    SDL_Color c{static_cast<Uint8>(color & 0xFF), static_cast<Uint8>((color >> 8) & 0xFF),
                static_cast<Uint8>((color >> 16) & 0xFF), 255};
    SDL_Surface* s = TTF_RenderUTF8_Blended(font, zero_ended.c_str(), c);
    if (!s) return nullptr;
    BlendedLine line(s);
    SDL_FreeSurface(s);
    if (lines_.size() >= kMaxLines) {
      lines_.erase(lines_.find(View(order_.back())));
      order_.pop_back();
    }
    order_.push_front(LineKey{zero_ended, face, color});
    return &lines_.emplace(View(order_.front()), Entry{std::move(line), order_.begin()})
                .first->second.line;
  }

  TextExtent Extent(std::string_view text, const FontSpec& face) {
    auto it = extents_.find(LineView{text, face, 0});
    if (it != extents_.end()) return it->second;
    TextExtent e;
    TTF_Font* font = Font(face);
    if (!font) return e;
    const std::string zero_ended(text);
    if (TTF_SizeUTF8(font, zero_ended.c_str(), &e.width, &e.height) != 0) e = TextExtent{};
    if (extents_.size() >= kMaxLines) extents_.clear();
    extents_.emplace(LineKey{zero_ended, face, 0}, e);
    return e;
  }

 private:
  // Enough for every fixed text and every number the panels show.
  static constexpr std::size_t kMaxLines = 256;
  struct Entry {
    BlendedLine line;
    std::list<LineKey>::iterator position;
  };
  bool ttf_ = false;
  std::map<FontSpec, TTF_Font*> fonts_;
  // Keyed by views of the texts kept in order_.
  std::map<LineView, Entry, LineOrder> lines_;
  std::list<LineKey> order_;
  std::map<LineKey, TextExtent, LineOrder> extents_;
};

TextCache& Cache() {
  static TextCache cache;
  return cache;
}

}  // namespace

void DrawText(Surface& dest, int x, int y, std::string_view utf8, const FontSpec& font,
              TColor color) {
  if (!dest.Valid()) return;
  if (const BlendedLine* line = Cache().Line(utf8, font, color)) line->Draw(dest, x, y);
}

TextExtent MeasureText(std::string_view utf8, const FontSpec& face) {
  return Cache().Extent(utf8, face);
}

void PrepareText(std::string_view utf8, const FontSpec& font, TColor color) {
  Cache().Line(utf8, font, color);
  Cache().Extent(utf8, font);
}

bool TextAvailable() {
  return Cache().Font(FontSpec{}) != nullptr;
}

}  // namespace media
