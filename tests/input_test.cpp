#include "media/input.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "media/keys.h"

namespace {

using namespace media;

int CountStates(const Input& in) {
  int n = 0;
  for (int s = 0; s < kInputStateCount; ++s) n += in.State(s);
  return n;
}

TEST(Input, EachAssignedKeyGivesOnlyItsStateWhileHeld) {
  const int keys[] = {38, 40, 37, 39, 'A', 'Z', 33, 34, 32, 112, 'M', 'I', 13};
  Input in;
  for (int n = 0; n < 13; ++n) {
    in.KeyDown(keys[n]);
    for (int poll = 0; poll < 3; ++poll) {  // held: set at every poll, no toggling
      in.PollInput();
      EXPECT_TRUE(in.State(n)) << "state " << n;
      EXPECT_EQ(CountStates(in), 1);
    }
    EXPECT_EQ(in.InputStates()[n / 8], 1u << (n % 8));
    in.KeyUp(keys[n]);
    in.PollInput();
    EXPECT_EQ(CountStates(in), 0) << "state " << n;
  }
  in.KeyDown('Q');  // unassigned keys and codes outside 1..255 give nothing
  in.KeyDown(0);
  in.KeyDown(300);
  in.KeyDown(-5);
  in.PollInput();
  EXPECT_EQ(CountStates(in), 0);
}

TEST(Input, UpAndDownTogetherAndSecondAssignedKeys) {
  Input in;
  in.KeyDown(38);
  in.KeyDown(40);
  in.PollInput();
  EXPECT_TRUE(in.State(stUp));
  EXPECT_TRUE(in.State(stDown));
  EXPECT_EQ(in.InputStates()[0], 0b11);

  auto table = in.KeyAssignments();
  table[stButton10] = {0, 'W', 'E'};  // any of the three keys counts
  in.SetKeyAssignments(table);
  in.KeyDown('E');
  in.PollInput();
  EXPECT_TRUE(in.State(stButton10));
  EXPECT_EQ(in.InputStates()[1], 1u << (stButton10 % 8));
}

TEST(Input, FocusLossEmptiesTheSetAndForgetsHeldKeys) {
  Input in;
  in.KeyDown(38);
  in.KeyDown(32);
  in.SetTestJoystick(true, 0, 0, 1u);
  in.PollInput();
  EXPECT_EQ(CountStates(in), 3);
  in.SetActive(false);
  EXPECT_EQ(CountStates(in), 3);  // unchanged until the next poll
  in.PollInput();
  EXPECT_EQ(CountStates(in), 0);
  in.SetActive(true);
  in.PollInput();
  // The joystick is read again; the keys' releases went elsewhere, so they are up.
  EXPECT_TRUE(in.State(stButton1));
  EXPECT_EQ(CountStates(in), 1);
}

TEST(Input, RemovedStateComesBackOnlyAfterReleaseAndPress) {
  Input in;
  in.KeyDown('A');
  in.PollInput();
  in.RemoveState(stButton1);
  in.PollInput();
  EXPECT_FALSE(in.State(stButton1));  // still held, but no new press
  in.KeyUp('A');
  in.PollInput();
  EXPECT_FALSE(in.State(stButton1));
  in.KeyDown('A');
  in.PollInput();
  EXPECT_TRUE(in.State(stButton1));
}

TEST(Input, StickNeedsMoreThanHalfTravelAndMapsAllFourDirections) {
  EXPECT_EQ(Input::AxisValue(0), 0);
  EXPECT_EQ(Input::AxisValue(13107), 0);  // 40 %
  EXPECT_EQ(Input::AxisValue(-13107), 0);
  EXPECT_EQ(Input::AxisValue(16383), 0);  // exactly at the edge of the dead zone
  EXPECT_EQ(Input::AxisValue(32767), 1000);
  EXPECT_EQ(Input::AxisValue(-32768), -1000);
  EXPECT_NEAR(Input::AxisValue(19660), 200, 1);  // 60 %: a fifth of the live travel
  EXPECT_NEAR(Input::AxisValue(-19661), -200, 1);

  Input in;
  struct Case {
    int x, y, state;
  } cases[] = {{19660, 0, stRight}, {-19661, 0, stLeft}, {0, -19661, stUp}, {0, 19660, stDown}};
  for (const Case& c : cases) {
    in.SetTestJoystick(true, c.x * 4 / 6, c.y * 4 / 6, 0);  // the same push at 40 %
    in.PollInput();
    EXPECT_EQ(CountStates(in), 0) << c.state;
    in.SetTestJoystick(true, c.x, c.y, 0);
    in.PollInput();
    EXPECT_TRUE(in.State(c.state)) << c.state;
    EXPECT_EQ(CountStates(in), 1);
  }
}

TEST(Input, JoystickButtonsMapFromButton1AndJoinTheKeyboard) {
  Input in;
  in.SetTestJoystick(true, 0, 0, (1u << 0) | (1u << 5) | (1u << 31));
  in.PollInput();
  EXPECT_TRUE(in.State(stButton1));
  EXPECT_TRUE(in.State(stButton1 + 5));
  EXPECT_TRUE(in.State(stButton32));
  EXPECT_EQ(CountStates(in), 3);

  // Held on both devices: releasing one keeps the state.
  in.KeyDown('A');
  in.SetTestJoystick(true, 0, 0, 1u);
  in.PollInput();
  in.SetTestJoystick(true, 0, 0, 0);
  in.PollInput();
  EXPECT_TRUE(in.State(stButton1));
  in.SetTestJoystick(false, 32767, 32767, ~0u);  // unplugged: its reading counts for nothing
  in.KeyUp('A');
  in.PollInput();
  EXPECT_EQ(CountStates(in), 0);
}

TEST(Input, InitializeWithoutAnyJoystickReadsTheKeyboard) {
  Input in;
  in.Initialize();  // no controller on this machine; must not fail
  in.KeyDown(39);
  in.PollInput();
  EXPECT_TRUE(in.State(stRight));
  in.DevicesChanged();
  in.PollInput();
  EXPECT_TRUE(in.State(stRight));
}

// SDL's virtual devices stand in for plugged-in hardware.
std::vector<int> HeldStates(const Input& in) {
  std::vector<int> held;
  for (int n = 0; n < kInputStateCount; ++n)
    if (in.State(n)) held.push_back(n);
  return held;
}

TEST(Input, PluggedControllerAndPlainJoystickAreRead) {
  Input in;
  in.Initialize();
  ASSERT_FALSE(in.HasJoystick());
  const int pad = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                            SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
  ASSERT_GE(pad, 0) << SDL_GetError();
  ASSERT_TRUE(SDL_IsGameController(pad));
  in.DevicesChanged();
  EXPECT_TRUE(in.HasJoystick());
  SDL_Joystick* j = SDL_JoystickOpen(pad);
  SDL_JoystickSetVirtualAxis(j, SDL_CONTROLLER_AXIS_LEFTX, 20000);
  SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_B, 1);
  SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_DPAD_UP, 1);
  SDL_JoystickUpdate();  // what the window's event pump does
  in.PollInput();
  // B is the second button; the d-pad is a direction and also its own button.
  EXPECT_EQ(HeldStates(in),
            (std::vector<int>{stUp, stRight, stButton2,
                              stButton1 + static_cast<int>(SDL_CONTROLLER_BUTTON_DPAD_UP)}));
  SDL_JoystickClose(j);
  SDL_JoystickDetachVirtual(pad);
  in.DevicesChanged();
  EXPECT_FALSE(in.HasJoystick());
  in.PollInput();
  EXPECT_TRUE(HeldStates(in).empty());

  const int stick = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_FLIGHT_STICK, 2, 4, 0);
  ASSERT_GE(stick, 0) << SDL_GetError();
  ASSERT_FALSE(SDL_IsGameController(stick));
  in.DevicesChanged();
  j = SDL_JoystickOpen(stick);
  SDL_JoystickSetVirtualAxis(j, 1, -30000);
  SDL_JoystickSetVirtualButton(j, 3, 1);
  SDL_JoystickUpdate();
  in.PollInput();
  EXPECT_EQ(HeldStates(in), (std::vector<int>{stUp, stButton4}));
  SDL_JoystickClose(j);
  SDL_JoystickDetachVirtual(stick);
}

TEST(Keys, SdlKeysTranslateToVirtualKeys) {
  const std::pair<SDL_Keycode, int> table[] = {
      {SDLK_UP, 38},     {SDLK_DOWN, 40},    {SDLK_LEFT, 37},     {SDLK_RIGHT, 39},
      {SDLK_a, 65},      {SDLK_z, 90},       {SDLK_m, 77},        {SDLK_0, 48},
      {SDLK_9, 57},      {SDLK_PAGEUP, 33},  {SDLK_PAGEDOWN, 34}, {SDLK_SPACE, 32},
      {SDLK_F1, 112},    {SDLK_F12, 123},    {SDLK_RETURN, 13},   {SDLK_KP_ENTER, 13},
      {SDLK_ESCAPE, 27}, {SDLK_RSHIFT, 16},  {SDLK_LCTRL, 17},    {SDLK_RALT, 18},
      {SDLK_DELETE, 46}, {SDLK_CAPSLOCK, 0}, {SDLK_F13, 0}};
  for (auto [sdl, vk] : table) EXPECT_EQ(VirtualKeyFromSdl(sdl), vk) << SDL_GetKeyName(sdl);
}

}  // namespace
