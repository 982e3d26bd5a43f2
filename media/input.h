#pragma once
// The input states read once per tick: which of the 36 logical states (four
// directions and 32 buttons) the keyboard and the first joystick hold. The game
// tests single states; which keys and stick movements give them is the
// assignment table.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace media {

enum TInputState {
  stUp = 0,
  stDown,
  stLeft,
  stRight,
  stButton1,
  stButton2,
  stButton3,
  stButton4,
  stButton5,
  stButton6,
  stButton7,
  stButton8,
  stButton9,
  stButton10,
  stButton11,
  stButton12,
  stButton13,
  stButton14,
  stButton15,
  stButton16,
  stButton17,
  stButton18,
  stButton19,
  stButton20,
  stButton21,
  stButton22,
  stButton23,
  stButton24,
  stButton25,
  stButton26,
  stButton27,
  stButton28,
  stButton29,
  stButton30,
  stButton31,
  stButton32,
};
constexpr int kInputStateCount = stButton32 + 1;
static_assert(kInputStateCount == 36);

// A set of states: state n is bit n % 8 of byte n / 8.
using InputSet = std::array<std::uint8_t, 5>;

class Input {
 public:
  static constexpr int kKeysPerState = 3;
  using Assignments = std::array<std::array<int, kKeysPerState>, kInputStateCount>;

  Input();
  ~Input();
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  // Opens the first game controller or joystick, if any; without one (or without
  // the joystick subsystem) only the keyboard is read. Ends with one poll.
  void Initialize();
  // Reads the devices and updates InputStates() by edges: a state enters when its
  // input starts being held and leaves when it is released.
  void PollInput();

  bool State(int n) const;
  const InputSet& InputStates() const { return states_; }
  // Takes a state out by hand; it comes back only after a release and a new press.
  void RemoveState(int n);

  // The held-key table, fed from key events (virtual-key codes 1..255).
  void KeyDown(int virtual_key);
  void KeyUp(int virtual_key);

  // While the window does not have the focus every device reads as no states.
  // Losing the focus also forgets held keys: their releases go to another window.
  void SetActive(bool window_has_focus);
  bool Active() const { return active_; }

  // Call on controller or joystick added/removed events: re-opens the first device.
  void DevicesChanged();
  bool HasJoystick() const;

  const Assignments& KeyAssignments() const { return assigns_; }
  void SetKeyAssignments(const Assignments& assigns) { assigns_ = assigns; }
  // The keys each state has until told otherwise: one per state for the first 13.
  static const Assignments& DefaultAssignments();

  // States held whatever the keys are assigned to (a demo holds states, not keys);
  // read with the keyboard, so they too read as nothing without the focus.
  void HoldStates(const InputSet& states) { held_states_ = states; }

  // Shakes the controller, if it can: two motors' strengths (0..65535) for a time,
  // replacing any rumble still running. Nothing without a controller.
  void Rumble(std::uint16_t low, std::uint16_t high, std::uint32_t ms);
  struct RumbleCall {
    std::uint16_t low = 0, high = 0;
    std::uint32_t ms = 0;
  };
  // With a test joystick: every rumble asked for, in order.
  const std::vector<RumbleCall>& TestRumbles() const { return test_rumbles_; }

  // For tests: a joystick reading (raw SDL axis units -32768..32767, button bit
  // mask) used instead of any device; present = false means no joystick at all.
  void SetTestJoystick(bool present, int raw_x, int raw_y, std::uint32_t buttons);

  // One raw axis value to -1000..1000 with the 50 % dead zone around the centre.
  static int AxisValue(int raw);

 private:
  struct JoystickReading {
    bool present = false;
    int x = 0, y = 0;  // raw
    std::uint32_t buttons = 0;
    bool up = false, down = false, left = false, right = false;  // d-pad
  };
  void OpenFirstDevice();
  void CloseDevice();
  JoystickReading ReadDevice() const;
  InputSet ReadJoystick() const;
  InputSet ReadKeyboard() const;

  Assignments assigns_{};
  std::array<bool, 256> keys_{};
  bool active_ = true;
  InputSet previous_{};
  InputSet states_{};

  bool subsystem_ = false;      // we initialised SDL's joystick subsystems
  void* controller_ = nullptr;  // SDL_GameController*
  void* joystick_ = nullptr;    // SDL_Joystick*, when the device is no game controller
  std::optional<JoystickReading> test_joystick_;
  std::vector<RumbleCall> test_rumbles_;
  InputSet held_states_{};
};

}  // namespace media
