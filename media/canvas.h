#pragma once
// The surface canvas: text and lines over the picture, with the font, pen and brush
// keeping their settings from one use to the next.
#include <string>
#include <string_view>

#include "media/surface.h"

namespace media {

enum class BrushStyle { bsSolid, bsClear };

class Canvas {
 public:
  struct FontSettings {
    TColor Color = clBlack;
    int Size = 8;  // points
  } Font;
  struct PenSettings {
    TColor Color = clBlack;
    int Width = 1;
  } Pen;
  struct BrushSettings {
    TColor Color = clWhite;
    BrushStyle Style = BrushStyle::bsSolid;
  } Brush;

  // Text with its top-left corner at (x, y); with a solid brush on a box of the
  // brush colour as large as the text's extent.
  void TextOut(int x, int y, std::string_view utf8);
  // Readies the text in the current font for a later TextOut (see PrepareText).
  void PrepareText(std::string_view utf8) const;
  void MoveTo(int x, int y);
  // A line from the current position to (x, y), the end point itself left out.
  void LineTo(int x, int y);
  // Ends canvas drawing for this frame; drawing after it needs SurfaceCanvas again.
  void ReleaseCanvas();

  void Attach(Surface* target) { target_ = target; }
  bool Held() const { return target_ != nullptr; }

 private:
  void Plot(int x, int y, Pixel p);
  Surface* target_ = nullptr;
  int pen_x_ = 0, pen_y_ = 0;
};

}  // namespace media
