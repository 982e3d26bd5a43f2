#include "media/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <list>
#include <map>
#include <tuple>

#include "media/fonts.h"

namespace media {

namespace {

struct LineKey {
  std::string text;
  FontSpec font;
  TColor color;
  // Spelled out: not every standard library compares strings with <=> yet.
  bool operator<(const LineKey& o) const {
    return std::tie(text, font, color) < std::tie(o.text, o.font, o.color);
  }
};

class TextCache {
 public:
  ~TextCache() {
    for (auto& [key, surface] : lines_) SDL_FreeSurface(surface.surface);
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

  SDL_Surface* Line(const std::string& text, const FontSpec& face, TColor color) {
    LineKey key{text, face, color};
    auto it = lines_.find(key);
    if (it != lines_.end()) {
      order_.splice(order_.begin(), order_, it->second.position);
      return it->second.surface;
    }
    TTF_Font* font = Font(face);
    if (!font || text.empty()) return nullptr;
    SDL_Color c{static_cast<Uint8>(color & 0xFF), static_cast<Uint8>((color >> 8) & 0xFF),
                static_cast<Uint8>((color >> 16) & 0xFF), 255};
    SDL_Surface* s = TTF_RenderUTF8_Blended(font, text.c_str(), c);
    if (!s) return nullptr;
    SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_BLEND);
    if (lines_.size() >= kMaxLines) {
      auto& oldest = lines_.at(order_.back());
      SDL_FreeSurface(oldest.surface);
      lines_.erase(order_.back());
      order_.pop_back();
    }
    order_.push_front(key);
    lines_.emplace(key, Entry{s, order_.begin()});
    return s;
  }

 private:
  static constexpr std::size_t kMaxLines = 64;
  struct Entry {
    SDL_Surface* surface;
    std::list<LineKey>::iterator position;
  };
  bool ttf_ = false;
  std::map<FontSpec, TTF_Font*> fonts_;
  std::map<LineKey, Entry> lines_;
  std::list<LineKey> order_;
};

TextCache& Cache() {
  static TextCache cache;
  return cache;
}

}  // namespace

void DrawText(Surface& dest, int x, int y, const std::string& utf8, const FontSpec& font,
              TColor color) {
  if (!dest.Valid()) return;
  SDL_Surface* line = Cache().Line(utf8, font, color);
  if (!line) return;
  SDL_Rect to{x, y, line->w, line->h};
  SDL_BlitSurface(line, nullptr, dest.sdl(), &to);
}

TextExtent MeasureText(const std::string& utf8, const FontSpec& face) {
  TextExtent e;
  TTF_Font* font = Cache().Font(face);
  if (!font) return e;
  if (TTF_SizeUTF8(font, utf8.c_str(), &e.width, &e.height) != 0) return TextExtent{};
  return e;
}

bool TextAvailable() {
  return Cache().Font(FontSpec{}) != nullptr;
}

}  // namespace media
