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
  // The surface the game draws on. It holds the game's picture only: the panels
  // lie over it on the screen (they are windows of their own), never in it.
  Surface& BackSurface() { return back_; }
  // FillSurface on the back surface with a raw pixel value.
  void FillSurface(Pixel value) { back_.Fill(value); }
  Canvas& SurfaceCanvas();
  // Shows the picture with the visible panels laid over it, each as it looks now.
  void Present();

  // The last presented frame, panels included (for screenshots): valid until the
  // back surface is next drawn on. Put together when asked for.
  const Surface& Frame() const;
  long long PresentCount() const { return presents_; }

  // Panels lie over the picture in the order added (later ones on top).
  void AddPanel(Panel* panel) { panels_.push_back(panel); }
  // Renders every panel as it looks now (done by Present as they change), so that
  // the first frames need not.
  void RenderPanels();

  // The mouse cursor over the picture: -1 hidden, -21 the hand.
  int Cursor = -1;
  bool Visible = true;

  Window* window() { return window_.get(); }

 private:
  bool initialized_ = false;
  Surface back_;
  Canvas canvas_;
  std::vector<Panel*> panels_;
  std::vector<Window::Overlay> overlays_;  // kept to be refilled without allocating
  mutable Surface frame_;                  // the picture with the panels, when asked for
  mutable bool frame_made_ = false;
  std::unique_ptr<Window> window_;
  long long presents_ = 0;
};

}  // namespace media
