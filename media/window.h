#pragma once
// The real window: shows presented frames scaled to fit (sharp, letterboxed) and
// turns the platform's events into calls on an EventSink, in picture coordinates.
#include <span>
#include <string>
#include <vector>

#include "media/surface.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace media {

class EventSink {
 public:
  virtual ~EventSink() = default;
  // sdl_keycode is the platform's key symbol; repeat marks the platform's key repeat.
  virtual void OnKeyDown(int sdl_keycode, bool repeat, bool alt) = 0;
  virtual void OnKeyUp(int sdl_keycode) = 0;
  virtual void OnMouseMove(int x, int y) = 0;
  virtual void OnClick() = 0;
  virtual void OnFocus(bool focused) = 0;
  virtual void OnClose() = 0;
  virtual void OnDevicesChanged() = 0;
  // F12: the player wants a screenshot. The key itself is not passed on.
  virtual void OnScreenshotKey() {}
};

enum class WindowMode {
  Desktop,    // full screen on the desktop's own mode, the picture scaled to fit
  Windowed,   // a window at the largest whole-number scale that fits the desktop
  Exclusive,  // full screen in a changed screen mode of 800 x 600 x 16 or the nearest fit
};

// The player's choices for how the picture is shown.
struct WindowLook {
  int scale = 0;             // a window's size in picture sizes; 0: the largest that fits
  bool whole_scale = false;  // only whole-number scales, bordered, instead of filling
  bool vsync = true;         // wait for the screen's retrace when that cannot slow the game
};

class Window {
 public:
  Window() = default;
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Throws media::Error when the window or the screen mode cannot be had.
  // frame_rate: the most frames a second the caller shows. The window waits for the
  // screen's vertical retrace only when the screen refreshes at least that often,
  // so that the wait can never slow the caller down.
  void Open(WindowMode mode, int width, int height, const std::string& title, int frame_rate = 60,
            const WindowLook& look = {});
  bool IsOpen() const { return window_ != nullptr; }
  // False while the window is minimised or hidden: nothing can be shown then.
  bool Usable() const;
  bool HasFocus() const { return focused_; }
  // A picture laid over the frame at (left, top), clipped to it.
  struct Overlay {
    const Surface* picture;
    int left, top;
  };
  void Show(const Surface& frame, std::span<const Overlay> overlays = {});
  // Puts the frame last shown on the screen where the screen takes pictures only
  // between the program's own turns (a browser's canvas, once per animation frame);
  // elsewhere Show has done so already.
  void Flush();
  // -1 hides the cursor, -21 shows the hand, anything else the arrow.
  void SetCursor(int cursor);
  // Hands the events to the sink. Alt+Enter (either Enter) switches between full
  // screen and a window and F12 asks for a screenshot; neither key reaches the sink.
  void PumpEvents(EventSink& sink);
  // Between full screen (the mode it was opened in, or the desktop's) and a window
  // of the size it last had.
  void ToggleFullScreen();
  bool FullScreen() const;
  bool VerticalSync() const { return vsync_; }
  // The screen's refresh rate in Hz as the window opened on it; 0 when unknown.
  int RefreshRate() const { return refresh_rate_; }
  SDL_Window* sdl() const { return window_; }

 private:
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int width_ = 0, height_ = 0;
  int cursor_ = 0;
  bool focused_ = true;
  bool video_ = false;
  bool vsync_ = false;
  int refresh_rate_ = 0;
  unsigned fullscreen_flag_ = 0;         // SDL's flag for the full screen to go back to
  int windowed_w_ = 0, windowed_h_ = 0;  // the window's size to go back to
  bool center_on_leaving_ = false;       // opened full screen
  // Keys whose press was taken here: their release is taken too.
  std::vector<int> taken_keys_;
#ifdef __EMSCRIPTEN__
  Surface shown_;                    // the frame last shown, kept until Flush
  std::vector<std::uint32_t> rgba_;  // the same in the canvas's byte order
  bool shown_pending_ = false;
#endif
};

// Keeps SDL from handling SIGINT and SIGTERM itself; called before any part of SDL
// starts.
void LeaveSignalsToProgram();

// The wall clock of the real-time loop (never read by game logic).
double WallSeconds();
void SleepSeconds(double seconds);

}  // namespace media
