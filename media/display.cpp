#include "media/display.h"

#include <algorithm>
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
    shown_.clear();  // the new frame shows no panel yet
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
  const int width = back_.Width(), rows = back_.Height();

  // Where the visible panels lie, as they are now.
  std::vector<ShownPanel> shown;
  for (Panel* p : panels_)
    if (p->Visible && p->Width > 0 && p->Height > 0) {
      p->Rendered();
      shown.push_back({p, p->Left, p->Top, p->Width, p->Height, p->Version()});
    }

  // The picture is copied around the panels, as a copy clipped to the window's
  // uncovered region would be: what lies under a panel is never painted over.
  struct Run {
    int from, to;
  };
  std::vector<Run> covered;
  for (int y = 0; y < rows; ++y) {
    covered.clear();
    for (const ShownPanel& s : shown)
      if (y >= s.top && y < s.top + s.height) {
        const int from = std::max(s.left, 0), to = std::min(s.left + s.width, width);
        if (from < to) covered.push_back({from, to});
      }
    std::sort(covered.begin(), covered.end(), [](Run a, Run b) { return a.from < b.from; });
    const Pixel* in = back_.Row(y);
    Pixel* out = frame_.Row(y);
    int x = 0;
    for (const Run& r : covered) {
      if (r.from > x)
        std::memcpy(out + x, in + x, sizeof(Pixel) * static_cast<std::size_t>(r.from - x));
      x = std::max(x, r.to);
    }
    if (x < width)
      std::memcpy(out + x, in + x, sizeof(Pixel) * static_cast<std::size_t>(width - x));
  }

  // Like windows of their own, the panels repaint only when one changed or moved;
  // otherwise the frame still holds them from the last time.
  if (shown != shown_) {
    for (const ShownPanel& s : shown) s.panel->Draw(frame_);
    shown_ = std::move(shown);
  }
  if (window_) {
    window_->SetCursor(Visible ? Cursor : -1);
    window_->Show(frame_);
  }
  ++presents_;
}

}  // namespace media
