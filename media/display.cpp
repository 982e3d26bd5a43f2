#include "media/display.h"

#include <cstring>

namespace media {

void Display::Initialize(const DisplayOptions& options) {
  Finalize();
  try {
    if (!options.headless) {
      window_ = std::make_unique<Window>();
      window_->Open(options.mode, options.width, options.height, options.title, options.frame_rate);
    }
    back_ = Surface(options.width, options.height);
    frame_ = Surface(options.width, options.height);
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
  canvas_.Attach(back_.Valid() ? &back_ : nullptr);
  return canvas_;
}

void Display::Present() {
  if (!ReadyToDraw()) return;
  canvas_.ReleaseCanvas();
  const int rows = back_.Height();
  const std::size_t row_bytes = static_cast<std::size_t>(back_.Width()) * sizeof(Pixel);
  for (int y = 0; y < rows; ++y) std::memcpy(frame_.Row(y), back_.Row(y), row_bytes);
  for (Panel* p : panels_) p->Draw(frame_);
  if (window_) {
    window_->SetCursor(Visible ? Cursor : -1);
    window_->Show(frame_);
  }
  ++presents_;
}

}  // namespace media
