#pragma once
// The command line.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace heli {

struct Options {
  bool help = false;
  bool version = false;
  bool catalogue = false;  // list the pictures and sounds and exit
  bool window = false;
  bool exclusive = false;
  bool fullscreen = false;
  std::string config;  // the settings file to read instead of the player's own
  std::string lang;    // "cs" or "en"; empty: the settings' or the locale's
  bool headless = false;
  bool nosound = false;
  std::int64_t ticks = -1;  // stop after this many main ticks; -1 = until the window closes
  std::optional<std::uint32_t> seed;
  int tick_rate = 60;
  std::string screenshot;
  // Start a new game at this level, straight into play (1 .. 9); none = the intro.
  std::optional<int> level;
  bool tick_rate_given = false;

  // Folders, for an installed game.
  std::string data_dir;       // where the level picture files are; empty: looked for
  std::string save_dir;       // the save file's and screenshots' folder; empty: the working one
  bool save_dir_xdg = false;  // the save folder is the player's data folder
  bool help_man = false;      // print the help as a manual page (the build makes it so)

  // Demos and measurements.
  std::string record;  // write the live game's input as a demo
  std::string play;    // play a demo back
  std::string dump;    // one JSON line of the game state after main ticks
  int dump_every = 1;  // ... after every Nth
  std::vector<std::pair<std::int64_t, std::string>> screenshots_at;  // tick, PNG file
  std::string timedemo;     // play a demo headless as fast as possible and time the ticks
  bool tick_stats = false;  // report how evenly the ticks of a windowed game came
  // Present frames at this rate, frames between the ticks carrying the flight view
  // on (0: in a window the screen's refresh rate when smooth, headless one a tick).
  int present_rate = 0;
  std::vector<std::pair<std::int64_t, std::string>> screenshots_frame;  // frame, PNG file
};

struct ParseResult {
  Options options;
  std::string error;  // one line for the player; empty when the line was good
};

ParseResult ParseOptions(int argc, const char* const* argv);
// The --help text.
std::string HelpText();

// The options --help lists, and the lines around them, for the manual page.
struct OptionHelp {
  std::string name, value, help;  // value is empty for a flag
};
std::vector<OptionHelp> ListedOptions();
std::string HelpSummary();  // the line that says what the program is
std::string KeysHelp();     // the keys, one paragraph

}  // namespace heli
