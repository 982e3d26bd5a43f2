// The window's own keys: Alt+Enter switches full screen, F12 asks for a
// screenshot, and neither reaches the game; every other key does.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/window.h"

namespace {

class Sink : public media::EventSink {
 public:
  void OnKeyDown(int sym, bool repeat, bool) override {
    log.push_back("down " + std::to_string(sym) + (repeat ? " repeat" : ""));
  }
  void OnKeyUp(int sym) override { log.push_back("up " + std::to_string(sym)); }
  void OnMouseMove(int, int) override {}
  void OnClick() override {}
  void OnFocus(bool) override {}
  void OnClose() override {}
  void OnDevicesChanged() override {}
  void OnScreenshotKey() override { ++screenshots; }

  std::vector<std::string> log;
  int screenshots = 0;
};

void Key(Uint32 type, SDL_Keycode sym, Uint16 mod = KMOD_NONE, bool repeat = false) {
  SDL_Event e{};
  e.type = type;
  e.key.type = type;
  e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  e.key.repeat = repeat ? 1 : 0;
  e.key.keysym.sym = sym;
  e.key.keysym.mod = mod;
  SDL_PushEvent(&e);
}

std::string Down(SDL_Keycode k) {
  return "down " + std::to_string(k);
}
std::string Up(SDL_Keycode k) {
  return "up " + std::to_string(k);
}

class WindowKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!SDL_getenv("SDL_VIDEODRIVER")) SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    window_.Open(media::WindowMode::Windowed, 800, 600, "test");
    Sink drain;
    window_.PumpEvents(drain);  // the window's own start-up events
  }
  media::Window window_;
  Sink sink_;
};

TEST_F(WindowKeys, AltEnterSwitchesFullScreenAndIsNotPassedOn) {
  ASSERT_FALSE(window_.FullScreen());
  Key(SDL_KEYDOWN, SDLK_a);
  Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT);
  window_.PumpEvents(sink_);
  EXPECT_TRUE(window_.FullScreen());
  Key(SDL_KEYUP, SDLK_RETURN, KMOD_LALT);
  Key(SDL_KEYUP, SDLK_a);
  // The keypad's Enter with the right Alt does the same.
  Key(SDL_KEYDOWN, SDLK_KP_ENTER, KMOD_RALT);
  Key(SDL_KEYUP, SDLK_KP_ENTER);
  window_.PumpEvents(sink_);
  EXPECT_FALSE(window_.FullScreen());
  EXPECT_EQ(sink_.log, (std::vector<std::string>{Down(SDLK_a), Up(SDLK_a)}));
  EXPECT_EQ(sink_.screenshots, 0);
}

TEST_F(WindowKeys, EnterWithoutAltIsTheGames) {
  Key(SDL_KEYDOWN, SDLK_RETURN);
  Key(SDL_KEYDOWN, SDLK_KP_ENTER);
  Key(SDL_KEYUP, SDLK_KP_ENTER);
  // Alt pressed while Enter is held: the repeats switch nothing, and the release
  // still reaches the game, which saw the press.
  Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT, true);
  Key(SDL_KEYUP, SDLK_RETURN, KMOD_LALT);
  window_.PumpEvents(sink_);
  EXPECT_FALSE(window_.FullScreen());
  EXPECT_EQ(sink_.log, (std::vector<std::string>{Down(SDLK_RETURN), Down(SDLK_KP_ENTER),
                                                 Up(SDLK_KP_ENTER), Up(SDLK_RETURN)}));
}

TEST_F(WindowKeys, F12AsksForOneScreenshotAndIsNotPassedOn) {
  Key(SDL_KEYDOWN, SDLK_F12);
  Key(SDL_KEYDOWN, SDLK_F12, KMOD_NONE, true);  // held: one screenshot only
  Key(SDL_KEYUP, SDLK_F12);
  Key(SDL_KEYDOWN, SDLK_F1);
  Key(SDL_KEYUP, SDLK_F1);
  window_.PumpEvents(sink_);
  EXPECT_EQ(sink_.screenshots, 1);
  EXPECT_EQ(sink_.log, (std::vector<std::string>{Down(SDLK_F1), Up(SDLK_F1)}));
  Key(SDL_KEYDOWN, SDLK_F12, KMOD_LSHIFT);
  Key(SDL_KEYUP, SDLK_F12);
  window_.PumpEvents(sink_);
  EXPECT_EQ(sink_.screenshots, 2);
  EXPECT_EQ(sink_.log.size(), 2u);
}

TEST_F(WindowKeys, BackToAWindowOfTheSizeItHad) {
  SDL_Window* w = window_.sdl();
  ASSERT_NE(w, nullptr);
  // The player has made the window a size of its own.
  SDL_SetWindowSize(w, 1000, 700);
  int width = 0, height = 0;
  SDL_GetWindowSize(w, &width, &height);
  ASSERT_EQ(width, 1000);
  window_.ToggleFullScreen();
  EXPECT_TRUE(window_.FullScreen());
  window_.ToggleFullScreen();
  EXPECT_FALSE(window_.FullScreen());
  int after_w = 0, after_h = 0;
  SDL_GetWindowSize(w, &after_w, &after_h);
  EXPECT_EQ(after_w, width);
  EXPECT_EQ(after_h, height);
  EXPECT_NE(SDL_GetWindowFlags(w) & SDL_WINDOW_RESIZABLE, 0u);
}

}  // namespace
