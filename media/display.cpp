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

void Display::RenderPanels() {
  for (Panel* p : panels_) p->Rendered();
}

void Display::Present() {
  if (!ReadyToDraw()) return;
  canvas_.ReleaseCanvas();
  // The panels are rendered as they change, and shown over the picture without
  // ever being drawn into it: nothing of the picture has to be kept aside or put
  // back.
  overlays_.clear();
  for (Panel* p : panels_) {
    if (!p->Visible || p->Width <= 0 || p->Height <= 0) continue;
    overlays_.push_back({&p->Rendered(), p->Left, p->Top});
  }
  if (window_) {
    window_->SetCursor(Visible ? Cursor : -1);
    window_->Show(back_, overlays_);
  }
  frame_made_ = false;
  ++presents_;
}

const Surface& Display::Frame() const {
  if (presents_ == 0) return back_;
  if (!frame_made_) {
    if (frame_.Width() != back_.Width() || frame_.Height() != back_.Height())
      frame_ = Surface(back_.Width(), back_.Height());
    CopyPixels(back_, 0, 0, back_.Width(), back_.Height(), frame_, 0, 0);
    for (const Window::Overlay& o : overlays_)
      o.picture->CopyTo(frame_, 0, 0, o.picture->Width(), o.picture->Height(), o.left, o.top);
    frame_made_ = true;
  }
  return frame_;
}

}  // namespace media
