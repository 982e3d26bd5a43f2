#pragma once
// Text demos: a game's input by tick, which plays the same game on any machine.
//
//   heli-demo 1
//   rate 60
//   seed 1234
//   @10 press Escape
//   @16 hold A Up
//   @400 end
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "media/input.h"

namespace heli {

struct DemoEvent {
  enum class Kind { Hold, Press, Mouse, Click, End };
  std::int64_t tick = 0;
  Kind kind = Kind::Hold;
  std::vector<int> keys;  // virtual-key codes: the keys held (Hold) or the one pressed (Press)
  int x = 0, y = 0;       // Mouse
};

struct Demo {
  int rate = 60;
  std::optional<std::uint32_t> seed;
  std::vector<DemoEvent> events;  // in file order; ticks never decrease
};

// Throws std::runtime_error with "FILE:LINE: message".
Demo ParseDemo(std::string_view text, const std::string& file_name);
// Reads and parses a file; errors as ParseDemo, or "FILE: cannot read".
Demo LoadDemo(const std::string& path);
std::string FormatDemo(const Demo& demo);

// The demo's names for keys: Up Down Left Right A Z PageUp PageDown Space F1 M I
// Enter, and Escape (for press only). 0 / nullptr when unknown.
int DemoKeyCode(std::string_view name);
const char* DemoKeyName(int virtual_key);
// The keys a hold line may name: the default assignments of the input states.
bool DemoHoldable(int virtual_key);
// The input states a hold line's keys stand for: each default key's state.
media::InputSet DemoStates(const std::vector<int>& keys);

}  // namespace heli
