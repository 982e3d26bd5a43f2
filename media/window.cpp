#include "media/window.h"

#include <SDL.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <algorithm>
#include <cstdio>
#include <thread>

#include "media/display_mode.h"
#include "media/error.h"

namespace media {

namespace {

std::vector<DisplayMode> AvailableModes(int display) {
  std::vector<DisplayMode> modes;
  for (int i = 0, n = SDL_GetNumDisplayModes(display); i < n; ++i) {
    SDL_DisplayMode m;
    if (SDL_GetDisplayMode(display, i, &m) == 0)
      modes.push_back({m.w, m.h, static_cast<int>(SDL_BITSPERPIXEL(m.format))});
  }
  return modes;
}

}  // namespace

Window::~Window() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  if (video_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void Window::Open(WindowMode mode, int width, int height, const std::string& title, int frame_rate,
                  const WindowLook& look) {
  width_ = width;
  height_ = height;
  constexpr char kHeadless[] = " (--headless runs the game without one, for tests)";
  LeaveSignalsToProgram();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    throw Error(std::string("no display could be opened: ") + SDL_GetError() + kHeadless);
  video_ = true;
  // Finding no display, SDL settles for a driver that shows nothing: a game nobody
  // can see, running until killed. Those drivers are for when they are asked for.
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  const char* driver = SDL_GetCurrentVideoDriver();
  if ((!asked || !*asked) && driver &&
      (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0 ||
       SDL_strcmp(driver, "evdev") == 0))
    throw Error(std::string("no display could be opened: no X11 or Wayland display found") +
                kHeadless);
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");  // sharp, nearest-pixel scaling
#ifdef __EMSCRIPTEN__
  // In a page the window is the page's canvas at the picture's own size; the page
  // scales it to the browser's window, sharp and letterboxed, and Flush paints it.
  window_ = SDL_CreateWindow(title.c_str(), 0, 0, width, height, 0);
  if (!window_) throw Error(std::string("The window cannot be made: ") + SDL_GetError());
  shown_ = Surface(width, height);
  rgba_.assign(static_cast<std::size_t>(width) * height, 0xFF000000u);
  taken_keys_.clear();
  focused_ = true;
  (void)mode;
  (void)frame_rate;
  return;
#endif

  // Every mode can become a window (Alt+Enter), and a window can be resized.
  Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE;
  SDL_Rect usable{0, 0, width, height};
  SDL_GetDisplayUsableBounds(0, &usable);
  // The window: the largest whole-number scale that fits, leaving room for the frame,
  // or the player's own.
  const int fits = std::max(1, std::min((usable.w - 16) / width, (usable.h - 48) / height));
  const int scale = look.scale > 0 ? look.scale : fits;
  windowed_w_ = width * scale;
  windowed_h_ = height * scale;
  int w = windowed_w_, h = windowed_h_;
  fullscreen_flag_ = SDL_WINDOW_FULLSCREEN_DESKTOP;
  center_on_leaving_ = mode != WindowMode::Windowed;
  taken_keys_.clear();
  std::optional<DisplayMode> exclusive;
  switch (mode) {
    case WindowMode::Desktop:
      flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
      break;
    case WindowMode::Windowed:
      break;
    case WindowMode::Exclusive:
      exclusive = ChooseDisplayMode(AvailableModes(0), DisplayMode{width, height, 16});
      if (!exclusive) {
        char message[96];
        std::snprintf(message, sizeof message, "Display mode cannot be changed (%dx%d %dbit)",
                      width, height, 16);
        throw Error(message);
      }
      w = exclusive->width;
      h = exclusive->height;
      flags |= SDL_WINDOW_FULLSCREEN;
      fullscreen_flag_ = SDL_WINDOW_FULLSCREEN;
      break;
  }
  window_ =
      SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, flags);
  if (!window_) throw Error(std::string("The window cannot be made: ") + SDL_GetError());
  if (exclusive) {
    SDL_DisplayMode m{};
    SDL_GetWindowDisplayMode(window_, &m);
    m.w = exclusive->width;
    m.h = exclusive->height;
    if (SDL_SetWindowDisplayMode(window_, &m) != 0) {
      char message[96];
      std::snprintf(message, sizeof message, "Display mode cannot be changed (%dx%d %dbit)", width,
                    height, 16);
      throw Error(message);
    }
  }
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) throw Error(std::string("Primary Surface cannot be made: ") + SDL_GetError());
  SDL_DisplayMode shown{};
  vsync_ = false;
  refresh_rate_ = 0;
  if (SDL_GetCurrentDisplayMode(std::max(0, SDL_GetWindowDisplayIndex(window_)), &shown) == 0) {
    refresh_rate_ = std::max(0, shown.refresh_rate);
    if (shown.refresh_rate >= frame_rate && look.vsync)
      vsync_ = SDL_RenderSetVSync(renderer_, 1) == 0;
  }
  SDL_RenderSetLogicalSize(renderer_, width, height);
  if (look.whole_scale) SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               width, height);
  if (!texture_) throw Error(std::string("Surface cannot be made: ") + SDL_GetError());
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  focused_ = true;
}

bool Window::Usable() const {
  if (!window_) return false;
  const Uint32 f = SDL_GetWindowFlags(window_);
  return !(f & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN));
}

void Window::Show(const Surface& frame, std::span<const Overlay> overlays) {
#ifdef __EMSCRIPTEN__
  if (!window_ || frame.Width() != width_ || frame.Height() != height_) return;
  // Put together as the display puts together its frame for screenshots.
  CopyPixels(frame, 0, 0, width_, height_, shown_, 0, 0);
  for (const Overlay& o : overlays)
    o.picture->CopyTo(shown_, 0, 0, o.picture->Width(), o.picture->Height(), o.left, o.top);
  shown_pending_ = true;
  return;
#endif
  if (!texture_ || !frame.Valid()) return;
  SDL_UpdateTexture(texture_, nullptr, frame.Row(0), frame.PitchPixels() * 2);
  for (const Overlay& o : overlays) {
    CopyRect r{0, 0, o.picture->Width(), o.picture->Height(), o.left, o.top};
    if (!o.picture->Valid() ||
        !ClipCopy(r, o.picture->Width(), o.picture->Height(), frame.Width(), frame.Height()))
      continue;
    const SDL_Rect to{static_cast<int>(r.dx), static_cast<int>(r.dy), static_cast<int>(r.w),
                      static_cast<int>(r.h)};
    SDL_UpdateTexture(texture_, &to,
                      o.picture->Row(static_cast<int>(r.sy)) + static_cast<int>(r.sx),
                      o.picture->PitchPixels() * 2);
  }
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

void Window::Flush() {
#ifdef __EMSCRIPTEN__
  if (!shown_pending_) return;
  shown_pending_ = false;
  // Red, green, blue and opaque alpha in memory order, as ImageData holds them.
  for (int y = 0; y < height_; ++y) {
    const Pixel* row = shown_.Row(y);
    std::uint32_t* out = rgba_.data() + static_cast<std::ptrdiff_t>(y) * width_;
    for (int x = 0; x < width_; ++x)
      out[x] = std::uint32_t{Red8(row[x])} | std::uint32_t{Green8(row[x])} << 8 |
               std::uint32_t{Blue8(row[x])} << 16 | 0xFF000000u;
  }
  // clang-format off
  EM_ASM({
    var canvas = Module["canvas"];
    if (!canvas) return;
    if (!Module.heliContext) Module.heliContext = canvas.getContext("2d", {alpha: false});
    var pixels = new Uint8ClampedArray(HEAPU8.buffer, $0, $1 * $2 * 4);
    Module.heliContext.putImageData(new ImageData(pixels, $1, $2), 0, 0);
  }, rgba_.data(), width_, height_);
  // clang-format on
#endif
}

void Window::SetCursor(int cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  static SDL_Cursor* hand = nullptr;
  static SDL_Cursor* arrow = nullptr;
  if (cursor == -1) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_ShowCursor(SDL_ENABLE);
  if (cursor == -21) {
    if (!hand) hand = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    if (hand) SDL_SetCursor(hand);
  } else {
    if (!arrow) arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (arrow) SDL_SetCursor(arrow);
  }
}

bool Window::FullScreen() const {
#ifdef __EMSCRIPTEN__
  return EM_ASM_INT({ return document.fullscreenElement ? 1 : 0; }) != 0;
#endif
  return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
}

void Window::ToggleFullScreen() {
  if (!window_) return;
#ifdef __EMSCRIPTEN__
  // The whole page goes full screen; it keeps the canvas letterboxed itself.
  EM_ASM({
    if (document.fullscreenElement)
      document.exitFullscreen();
    else if (document.documentElement.requestFullscreen)
      document.documentElement.requestFullscreen();
  });
  return;
#endif
  if (!FullScreen()) {
    SDL_GetWindowSize(window_, &windowed_w_, &windowed_h_);
    SDL_SetWindowFullscreen(window_, fullscreen_flag_);
    return;
  }
  SDL_SetWindowFullscreen(window_, 0);
  // Not every video driver gives the window its old size back by itself.
  SDL_SetWindowSize(window_, windowed_w_, windowed_h_);
  // A window opened full screen has never had a place of its own.
  if (center_on_leaving_) {
    center_on_leaving_ = false;
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
}

void Window::PumpEvents(EventSink& sink) {
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_QUIT:
        sink.OnClose();
        break;
      case SDL_KEYDOWN: {
        const SDL_Keycode k = e.key.keysym.sym;
        const bool enter = k == SDLK_RETURN || k == SDLK_KP_ENTER;
        const bool alt = (e.key.keysym.mod & KMOD_ALT) != 0;
        if ((enter && alt) || k == SDLK_F12) {
          // A repeat of a key the game already has pressed stays the game's to release.
          if (!e.key.repeat) {
            taken_keys_.push_back(k);
            if (k == SDLK_F12)
              sink.OnScreenshotKey();
            else
              ToggleFullScreen();
          }
          break;
        }
        sink.OnKeyDown(k, e.key.repeat != 0, alt);
        break;
      }
      case SDL_KEYUP: {
        const auto taken = std::find(taken_keys_.begin(), taken_keys_.end(), e.key.keysym.sym);
        if (taken != taken_keys_.end()) {
          taken_keys_.erase(taken);
          break;
        }
        sink.OnKeyUp(e.key.keysym.sym);
        break;
      }
      case SDL_MOUSEMOTION:
        sink.OnMouseMove(e.motion.x, e.motion.y);
        break;
      case SDL_MOUSEBUTTONDOWN:
        if (e.button.button == SDL_BUTTON_LEFT) {
          sink.OnMouseMove(e.button.x, e.button.y);
          sink.OnClick();
        }
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
          focused_ = true;
          sink.OnFocus(true);
        } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
          focused_ = false;
          sink.OnFocus(false);
        } else if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
          sink.OnClose();
        }
        break;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP:
        // A controller's A and Start are its Enter key (the menu, start screens).
        if (e.cbutton.button == SDL_CONTROLLER_BUTTON_A ||
            e.cbutton.button == SDL_CONTROLLER_BUTTON_START) {
          if (e.type == SDL_CONTROLLERBUTTONDOWN)
            sink.OnKeyDown(SDLK_RETURN, false, false);
          else
            sink.OnKeyUp(SDLK_RETURN);
        }
        break;
      case SDL_CONTROLLERDEVICEADDED:
      case SDL_CONTROLLERDEVICEREMOVED:
      case SDL_JOYDEVICEADDED:
      case SDL_JOYDEVICEREMOVED:
        sink.OnDevicesChanged();
        break;
      default:
        break;
    }
  }
}

void LeaveSignalsToProgram() {
  // SDL would turn SIGINT and SIGTERM into a quit event, which a loop that reads no
  // window events never sees.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

double WallSeconds() {
  static const Uint64 frequency = SDL_GetPerformanceFrequency();
  return static_cast<double>(SDL_GetPerformanceCounter()) / static_cast<double>(frequency);
}

void SleepSeconds(double seconds) {
  if (seconds > 0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace media
