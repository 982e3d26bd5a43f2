#include "media/input.h"

#include <SDL.h>

#include <cmath>
#include <cstdlib>

#include "media/window.h"

namespace media {
namespace {

void Add(InputSet& set, int n) {
  set[n / 8] |= static_cast<std::uint8_t>(1u << (n % 8));
}
bool Has(const InputSet& set, int n) {
  return (set[n / 8] >> (n % 8)) & 1;
}

SDL_GameController* AsController(void* p) {
  return static_cast<SDL_GameController*>(p);
}
SDL_Joystick* AsJoystick(void* p) {
  return static_cast<SDL_Joystick*>(p);
}

constexpr int kAxisRange = 1000;
constexpr int kDeadZonePercent = 50;

}  // namespace

Input::Input() : assigns_(DefaultAssignments()) {}

const Input::Assignments& Input::DefaultAssignments() {
  static const Assignments table = [] {
    Assignments a{};
    const int keys[] = {38, 40, 37, 39, 'A', 'Z', 33, 34, 32, 112, 'M', 'I', 13};
    for (int n = 0; n < static_cast<int>(std::size(keys)); ++n) a[n][0] = keys[n];
    return a;
  }();
  return table;
}

void Input::Rumble(std::uint16_t low, std::uint16_t high, std::uint32_t ms) {
  if (test_joystick_) {
    if (test_joystick_->present) test_rumbles_.push_back({low, high, ms});
    return;
  }
  // A device without motors says so by failing; that is no error for the game.
  if (SDL_GameController* c = AsController(controller_))
    SDL_GameControllerRumble(c, low, high, ms);
  else if (SDL_Joystick* j = AsJoystick(joystick_))
    SDL_JoystickRumble(j, low, high, ms);
}

Input::~Input() {
  CloseDevice();
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK);
}

void Input::Initialize() {
  CloseDevice();
  LeaveSignalsToProgram();
  if (!subsystem_) subsystem_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK) == 0;
  OpenFirstDevice();
  PollInput();
}

void Input::DevicesChanged() {
  CloseDevice();
  OpenFirstDevice();
}

void Input::OpenFirstDevice() {
  if (!subsystem_ || SDL_NumJoysticks() < 1) return;
  // SDL reads extra controller mappings from SDL_GAMECONTROLLERCONFIG itself.
  if (SDL_IsGameController(0)) controller_ = SDL_GameControllerOpen(0);
  if (!controller_) joystick_ = SDL_JoystickOpen(0);
}

void Input::CloseDevice() {
  if (controller_) SDL_GameControllerClose(AsController(controller_));
  if (joystick_) SDL_JoystickClose(AsJoystick(joystick_));
  controller_ = joystick_ = nullptr;
}

bool Input::HasJoystick() const {
  if (test_joystick_) return test_joystick_->present;
  return controller_ || joystick_;
}

void Input::SetTestJoystick(bool present, int raw_x, int raw_y, std::uint32_t buttons) {
  JoystickReading r;
  r.present = present;
  r.x = raw_x;
  r.y = raw_y;
  r.buttons = buttons;
  test_joystick_ = r;
}

int Input::AxisValue(int raw) {
  // The device's raw range, measured from its minimum as the conversion expects.
  constexpr int kMin = -32768, kMax = 32767;
  constexpr int half = (kMax - kMin) / 2;
  constexpr int dz = half * kDeadZonePercent / 100;
  const int p = (raw - kMin) - half;
  if (half - dz == 0 || std::abs(p) <= dz) return 0;
  const double scaled = static_cast<double>(p > 0 ? p - dz : p + dz) * kAxisRange / (half - dz);
  return static_cast<int>(std::lround(scaled));
}

Input::JoystickReading Input::ReadDevice() const {
  if (test_joystick_) return *test_joystick_;
  JoystickReading r;
  // Device state is refreshed by the window's event pump; without it, refresh here.
  if ((controller_ || joystick_) && SDL_JoystickEventState(SDL_QUERY) != SDL_ENABLE)
    SDL_JoystickUpdate();
  if (SDL_GameController* c = AsController(controller_)) {
    if (!SDL_GameControllerGetAttached(c)) return r;
    r.present = true;
    r.x = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
    r.y = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY);
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX && b < 32; ++b)
      if (SDL_GameControllerGetButton(c, static_cast<SDL_GameControllerButton>(b)))
        r.buttons |= 1u << b;
    r.up = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_UP);
    r.down = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    r.left = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    r.right = SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  } else if (SDL_Joystick* j = AsJoystick(joystick_)) {
    if (!SDL_JoystickGetAttached(j)) return r;
    r.present = true;
    if (SDL_JoystickNumAxes(j) > 0) r.x = SDL_JoystickGetAxis(j, 0);
    if (SDL_JoystickNumAxes(j) > 1) r.y = SDL_JoystickGetAxis(j, 1);
    const int buttons = SDL_JoystickNumButtons(j);
    for (int b = 0; b < buttons && b < 32; ++b)
      if (SDL_JoystickGetButton(j, b)) r.buttons |= 1u << b;
  }
  return r;
}

InputSet Input::ReadJoystick() const {
  InputSet set{};
  if (!active_) return set;
  const JoystickReading r = ReadDevice();
  if (!r.present) return set;
  for (int b = 0; b < 32; ++b)
    if ((r.buttons >> b) & 1u) Add(set, stButton1 + b);
  const int x = AxisValue(r.x), y = AxisValue(r.y);
  if (x < 0 || r.left) Add(set, stLeft);
  if (x > 0 || r.right) Add(set, stRight);
  if (y < 0 || r.up) Add(set, stUp);
  if (y > 0 || r.down) Add(set, stDown);
  return set;
}

InputSet Input::ReadKeyboard() const {
  if (!active_) return InputSet{};
  InputSet set = held_states_;
  for (int n = 0; n < kInputStateCount; ++n)
    for (int key : assigns_[n])
      if (key >= 1 && key <= 255 && keys_[key]) {
        Add(set, n);
        break;
      }
  return set;
}

void Input::PollInput() {
  InputSet now{};
  const InputSet joystick = ReadJoystick(), keyboard = ReadKeyboard();
  for (std::size_t i = 0; i < now.size(); ++i) now[i] = joystick[i] | keyboard[i];
  // Only edges change the public set, so a state taken out by hand stays out
  // until it is released and pressed again.
  for (int n = 0; n < kInputStateCount; ++n) {
    const bool held = Has(now, n), was = Has(previous_, n);
    const auto bit = static_cast<std::uint8_t>(1u << (n % 8));
    if (held && !was) states_[n / 8] |= bit;
    if (!held && was) states_[n / 8] &= static_cast<std::uint8_t>(~bit);
  }
  previous_ = now;
}

bool Input::State(int n) const {
  return n >= 0 && n < kInputStateCount && Has(states_, n);
}

void Input::RemoveState(int n) {
  if (n >= 0 && n < kInputStateCount) states_[n / 8] &= static_cast<std::uint8_t>(~(1u << (n % 8)));
}

void Input::KeyDown(int virtual_key) {
  if (virtual_key >= 1 && virtual_key <= 255) keys_[virtual_key] = true;
}

void Input::KeyUp(int virtual_key) {
  if (virtual_key >= 1 && virtual_key <= 255) keys_[virtual_key] = false;
}

void Input::SetActive(bool window_has_focus) {
  active_ = window_has_focus;
  if (!active_) {
    keys_.fill(false);
    held_states_ = {};
  }
}

}  // namespace media
