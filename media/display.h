#pragma once
// The display (DXDraw): the 800 x 600 back surface the game draws every frame into,
// its canvas for text and lines, and Present, which shows the finished frame with
// the window's visible panels over it. Headless, the frame is only kept in memory.
#include <memory>
#include <string>
#include <vector>

#include "media/canvas.h"
#include "media/surface.h"
#include "media/widgets.h"
#include "media/window.h"

namespace media {

struct DisplayOptions {
  bool headless = true;
  WindowMode mode = WindowMode::Desktop;
  int width = 800, height = 600;
  std::string title;
  int frame_rate = 60;  // the most frames a second that are presented
  WindowLook look;
};

class Display {
 public:
  // Throws media::Error when the window or the screen mode cannot be set up; what
  // was set up is torn down again.
  void Initialize(const DisplayOptions& options);
  void Finalize();
  bool Initialized() const { return initialized_; }

  // True when a frame can be drawn and shown: set up, and the window (if any) is
  // neither minimised nor hidden.
  bool ReadyToDraw() const;
  // The surface the game draws on. It holds the game's picture only: what the
  // panels covered when it was last presented is put back first.
  Surface& BackSurface() {
    Uncover();
    return back_;
  }
  // FillSurface on the back surface with a raw pixel value.
  void FillSurface(Pixel value) {
    Uncover();
    back_.Fill(value);
  }
  Canvas& SurfaceCanvas();
  // Lays the visible panels over the picture and shows it. The picture under the
  // panels is kept aside (the panels are windows of their own over it) and put
  // back as soon as the game draws again.
  void Present();

  // The last presented frame, panels included (for screenshots): valid until the
  // back surface is next drawn on.
  const Surface& Frame() const { return back_; }
  long long PresentCount() const { return presents_; }

  // Panels lie over the picture in the order added (later ones on top).
  void AddPanel(Panel* panel) { panels_.push_back(panel); }

  // The mouse cursor over the picture: -1 hidden, -21 the hand.
  int Cursor = -1;
  bool Visible = true;

  Window* window() { return window_.get(); }

 private:
  void Uncover();

  bool initialized_ = false;
  Surface back_;
  Canvas canvas_;
  std::vector<Panel*> panels_;
  // The picture under the panels of the frame last presented, in the order drawn.
  struct Covered {
    int left = 0, top = 0;
    Surface picture;
  };
  std::vector<Covered> covered_;
  std::size_t covering_ = 0;  // how many of covered_ hold the picture now
  std::unique_ptr<Window> window_;
  long long presents_ = 0;
};

}  // namespace media
