#include "media/canvas.h"

#include <algorithm>
#include <cstdlib>

#include "media/text.h"

namespace media {

void Canvas::TextOut(int x, int y, std::string_view utf8) {
  if (!target_) return;
  FontSpec face{Font.Size, 96, false};
  if (Brush.Style == BrushStyle::bsSolid) {
    const TextExtent e = MeasureText(utf8, face);
    const Pixel box = ReduceColor(Brush.Color);
    const int left = std::max(x, 0), right = std::min(x + e.width, target_->Width());
    for (int row = std::max(y, 0); row < std::min(y + e.height, target_->Height()); ++row)
      if (left < right) std::fill(target_->Row(row) + left, target_->Row(row) + right, box);
  }
  DrawText(*target_, x, y, utf8, face, Font.Color);
}

void Canvas::PrepareText(std::string_view utf8) const {
  media::PrepareText(utf8, FontSpec{Font.Size, 96, false}, Font.Color);
}

void Canvas::MoveTo(int x, int y) {
  pen_x_ = x;
  pen_y_ = y;
}

void Canvas::Plot(int x, int y, Pixel p) {
  const int half = (Pen.Width - 1) / 2;
  for (int dy = -half; dy < Pen.Width - half; ++dy)
    for (int dx = -half; dx < Pen.Width - half; ++dx) {
      const int px = x + dx, py = y + dy;
      if (px >= 0 && py >= 0 && px < target_->Width() && py < target_->Height())
        target_->Set(px, py, p);
    }
}

void Canvas::LineTo(int x, int y) {
  if (target_) {
    const Pixel p = ReduceColor(Pen.Color);
    int x0 = pen_x_, y0 = pen_y_;
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
      Plot(x0, y0, p);
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x0 += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y0 += sy;
      }
    }
  }
  pen_x_ = x;
  pen_y_ = y;
}

void Canvas::ReleaseCanvas() {
  target_ = nullptr;
}

}  // namespace media
