#include "media/display.h"

#include <algorithm>

namespace media {

void Display::Initialize(const DisplayOptions& options) {
  Finalize();
  try {
    if (!options.headless) {
      window_ = std::make_unique<Window>();
      window_->Open(options.mode, options.width, options.height, options.title, options.frame_rate,
                    options.look);
    }
    back_ = Surface(options.width, options.height);
    covering_ = 0;  // a new surface has nothing laid over it
  } catch (...) {
    Finalize();
    throw;
  }
  initialized_ = true;
}

void Display::Finalize() {
  canvas_.ReleaseCanvas();
  window_.reset();
  initialized_ = false;
}

bool Display::ReadyToDraw() const {
  if (!initialized_ || !back_.Valid()) return false;
  return !window_ || window_->Usable();
}

Canvas& Display::SurfaceCanvas() {
  Uncover();
  canvas_.Attach(back_.Valid() ? &back_ : nullptr);
  return canvas_;
}

void Display::Uncover() {
  // Later panels lie above earlier ones: put back in the opposite order.
  while (covering_ > 0) {
    const Covered& c = covered_[--covering_];
    c.picture.CopyTo(back_, 0, 0, c.picture.Width(), c.picture.Height(), c.left, c.top);
  }
}

void Display::Present() {
  if (!ReadyToDraw()) return;
  canvas_.ReleaseCanvas();
  Uncover();  // presented twice without drawing in between
  for (Panel* p : panels_) {
    if (!p->Visible || p->Width <= 0 || p->Height <= 0) continue;
    // The part of the picture the panel covers, clipped to the surface.
    const int left = std::max(p->Left, 0), top = std::max(p->Top, 0);
    const int right = std::min(p->Left + p->Width, back_.Width());
    const int bottom = std::min(p->Top + p->Height, back_.Height());
    if (left >= right || top >= bottom) continue;
    if (covering_ == covered_.size()) covered_.emplace_back();
    Covered& c = covered_[covering_];
    if (c.picture.Width() != right - left || c.picture.Height() != bottom - top)
      c.picture = Surface(right - left, bottom - top);
    c.left = left;
    c.top = top;
    back_.CopyTo(c.picture, left, top, right - left, bottom - top, 0, 0);
    ++covering_;
    p->Draw(back_);
  }
  if (window_) {
    window_->SetCursor(Visible ? Cursor : -1);
    window_->Show(back_);
  }
  ++presents_;
}

}  // namespace media
