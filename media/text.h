#pragma once
// Text drawn onto a surface with SDL2_ttf. Rendered lines are kept, since the game
// writes the same few lines every frame.
#include <string>
#include <string_view>

#include "media/surface.h"

namespace media {

struct TextExtent {
  int width = 0, height = 0;
};

// A face size in points at a resolution in dots per inch: 96 for the canvas, as the
// game's texts were laid out; 72 makes points equal pixels (the labels' heights).
struct FontSpec {
  int points = 10;
  int dpi = 96;
  bool bold = false;
  auto operator<=>(const FontSpec&) const = default;
};

// Draws UTF-8 text with its top-left corner at (x, y), anti-aliased, in colour over
// whatever is below.
void DrawText(Surface& dest, int x, int y, std::string_view utf8, const FontSpec& font,
              TColor color);
TextExtent MeasureText(std::string_view utf8, const FontSpec& font);
// Opens the face and renders (and measures) the line ahead of its first draw, so
// that drawing it later costs no more than any repeat.
void PrepareText(std::string_view utf8, const FontSpec& font, TColor color);
// False when no font could be opened (text then draws nothing).
bool TextAvailable();

}  // namespace media
