#pragma once
// The command line.
#include <cstdint>
#include <optional>
#include <string>

namespace heli {

struct Options {
  bool help = false;
  bool version = false;
  bool window = false;
  bool exclusive = false;
  bool headless = false;
  bool nosound = false;
  std::int64_t ticks = -1;  // stop after this many main ticks; -1 = until the window closes
  std::optional<std::uint32_t> seed;
  int tick_rate = 60;
  std::string screenshot;
};

struct ParseResult {
  Options options;
  std::string error;  // one line for the player; empty when the line was good
};

ParseResult ParseOptions(int argc, const char* const* argv);
// The --help text.
std::string HelpText();

}  // namespace heli
