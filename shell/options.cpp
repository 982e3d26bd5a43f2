#include "shell/options.h"

#include <charconv>
#include <functional>
#include <vector>

namespace heli {

namespace {

template <typename T>
bool ParseNumber(const std::string& text, T& out, T min, T max) {
  T value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max)
    return false;
  out = value;
  return true;
}

struct OptionSpec {
  const char* name;
  const char* value;  // nullptr for a flag; one word per value taken
  const char* help;   // nullptr for an option --help does not list
  // Stores the value (several values joined by a space); returns an error text, or empty.
  std::function<std::string(Options&, const std::string&)> apply;
};

int ValueCount(const OptionSpec& s) {
  if (!s.value) return 0;
  int n = 1;
  for (const char* c = s.value; *c; ++c) n += *c == ' ';
  return n;
}

std::string SetFile(std::string& out, const std::string& v) {
  out = v;
  return v.empty() ? std::string("a file name") : std::string();
}

// "N FILE": a tick's or a frame's number, then a file name, added to the list.
std::string AddNumberedFile(std::vector<std::pair<std::int64_t, std::string>>& list,
                            const std::string& v, const std::string& what) {
  const auto space = v.find(' ');
  std::int64_t n = 0;
  if (!ParseNumber<std::int64_t>(v.substr(0, space), n, 0, INT64_MAX))
    return "a " + what + " number, then a file name";
  if (space == std::string::npos || v.size() <= space + 1) return "a file name after the " + what;
  list.emplace_back(n, v.substr(space + 1));
  return {};
}

const std::vector<OptionSpec>& Specs() {
  static const std::vector<OptionSpec> specs = {
      {"--help", nullptr, "show this help and exit",
       [](Options& o, const std::string&) {
         o.help = true;
         return std::string();
       }},
      {"--version", nullptr, "show the version and exit",
       [](Options& o, const std::string&) {
         o.version = true;
         return std::string();
       }},
      {"--catalogue", nullptr,
       "list every picture (built-in and in the level files) and every sound, "
       "and exit",
       [](Options& o, const std::string&) {
         o.catalogue = true;
         return std::string();
       }},
      {"--config", "FILE",
       "read the settings from FILE instead of $XDG_CONFIG_HOME/heli-rescue/settings.ini "
       "(~/.config/heli-rescue/settings.ini, written with the defaults when missing)",
       [](Options& o, const std::string& v) { return SetFile(o.config, v); }},
      {"--lang", "cs|en",
       "speak Czech (the game's own language) or English (default: the setting "
       "'language', else the locale's language when the game speaks it, else Czech)",
       [](Options& o, const std::string& v) {
         o.lang = v;
         return v == "cs" || v == "en" ? std::string() : std::string("cs or en");
       }},
      {"--fullscreen", nullptr, "play full screen, whatever the settings say",
       [](Options& o, const std::string&) {
         o.fullscreen = true;
         return std::string();
       }},
      {"--window", nullptr, "play in a window instead of full screen",
       [](Options& o, const std::string&) {
         o.window = true;
         return std::string();
       }},
      {"--exclusive", nullptr, "full screen in a changed screen mode of 800x600, 16 bits",
       [](Options& o, const std::string&) {
         o.exclusive = true;
         return std::string();
       }},
      {"--headless", nullptr, "no window and no sound; for tests and benchmarks",
       [](Options& o, const std::string&) {
         o.headless = true;
         return std::string();
       }},
      {"--nosound", nullptr, "play without sound",
       [](Options& o, const std::string&) {
         o.nosound = true;
         return std::string();
       }},
      // Folders, for an installed game.
      {"--data-dir", "DIR",
       "read the level picture files from DIR (default: data/ in the working folder, "
       "beside the program, or the installed data folder, the first that holds them)",
       [](Options& o, const std::string& v) {
         o.data_dir = v;
         return v.empty() ? std::string("a folder") : std::string();
       }},
      {"--save-dir", "DIR",
       "keep the save file and the F12 screenshots in DIR, made when missing "
       "(default: the working folder)",
       [](Options& o, const std::string& v) {
         o.save_dir = v;
         return v.empty() ? std::string("a folder") : std::string();
       }},
      {"--save-dir-xdg", nullptr,
       "keep the save file and the screenshots in the player's data folder, "
       "$XDG_DATA_HOME/heli-rescue (~/.local/share/heli-rescue), made when missing",
       [](Options& o, const std::string&) {
         o.save_dir_xdg = true;
         return std::string();
       }},
      {"--help-man", nullptr, nullptr,
       [](Options& o, const std::string&) {
         o.help_man = true;
         return std::string();
       }},
      {"--ticks", "N", "stop after N main ticks",
       [](Options& o, const std::string& v) {
         return ParseNumber<std::int64_t>(v, o.ticks, 0, INT64_MAX) ? std::string()
                                                                    : "a whole number of ticks";
       }},
      {"--seed", "N", "seed of the random generator (default: from the clock)",
       [](Options& o, const std::string& v) {
         std::uint32_t s = 0;
         if (!ParseNumber<std::uint32_t>(v, s, 0, UINT32_MAX))
           return std::string("0 to 4294967295");
         o.seed = s;
         return std::string();
       }},
      {"--tick-rate", "HZ", "main ticks per second (default 60)",
       [](Options& o, const std::string& v) {
         o.tick_rate_given = true;
         return ParseNumber<int>(v, o.tick_rate, 1, 1000) ? std::string() : "1 to 1000";
       }},
      {"--level", "N",
       "start a new game at level N (1 to 9) straight into play, without the intro; "
       "the save file is not touched",
       [](Options& o, const std::string& v) {
         int n = 0;
         if (!ParseNumber<int>(v, n, 1, 9)) return std::string("1 to 9");
         o.level = n;
         return std::string();
       }},
      {"--screenshot", "FILE.png", "write the last presented frame as a PNG on exit",
       [](Options& o, const std::string& v) {
         o.screenshot = v;
         return v.empty() ? std::string("a file name") : std::string();
       }},
      {"--record", "FILE", "record the game's input as a demo file",
       [](Options& o, const std::string& v) { return SetFile(o.record, v); }},
      {"--play", "FILE", "play a demo back (with --headless as fast as possible)",
       [](Options& o, const std::string& v) { return SetFile(o.play, v); }},
      {"--dump", "FILE", "write the game state as one JSON line after every main tick",
       [](Options& o, const std::string& v) { return SetFile(o.dump, v); }},
      {"--dump-every", "N", "with --dump, only after every Nth main tick",
       [](Options& o, const std::string& v) {
         return ParseNumber<int>(v, o.dump_every, 1, 1000000) ? std::string() : "1 or more";
       }},
      {"--screenshot-at", "T FILE.png", "write the frame presented by main tick T (repeatable)",
       [](Options& o, const std::string& v) {
         return AddNumberedFile(o.screenshots_at, v, "tick");
       }},
      {"--present-rate", "HZ",
       "present HZ frames a second, those between the main ticks carrying the flight "
       "view on smoothly (default: in a window the screen's refresh rate, headless one "
       "frame a tick); headless, frame F is presented at F/HZ seconds of the game's clock",
       [](Options& o, const std::string& v) {
         return ParseNumber<int>(v, o.present_rate, 1, 1000) ? std::string() : "1 to 1000";
       }},
      {"--screenshot-frame", "F FILE.png",
       "write presented frame F as a PNG (repeatable; with --present-rate)",
       [](Options& o, const std::string& v) {
         return AddNumberedFile(o.screenshots_frame, v, "frame");
       }},
      {"--timedemo", "FILE", "play a demo headless and silent as fast as possible, and time it",
       [](Options& o, const std::string& v) { return SetFile(o.timedemo, v); }},
      {"--tick-stats", nullptr,
       "on exit, print how evenly the main ticks and the presented frames of a game in a "
       "window came and how much processor time it took",
       [](Options& o, const std::string&) {
         o.tick_stats = true;
         return std::string();
       }},
  };
  return specs;
}

}  // namespace

ParseResult ParseOptions(int argc, const char* const* argv) {
  ParseResult r;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    std::string value;
    bool inline_value = false;
    if (auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = arg.substr(eq + 1);
      arg = arg.substr(0, eq);
      inline_value = true;
    }
    const OptionSpec* option = nullptr;
    for (const OptionSpec& s : Specs())
      if (arg == s.name) option = &s;
    if (!option) {
      r.error = "unknown option '" + std::string(argv[i]) + "' (see --help)";
      return r;
    }
    if (option->value && !inline_value) {
      const int count = ValueCount(*option);
      if (i + count >= argc) {
        r.error = arg + " needs " + option->value;
        return r;
      }
      for (int k = 0; k < count; ++k) value += (k ? " " : "") + std::string(argv[++i]);
    } else if (!option->value && inline_value) {
      r.error = arg + " takes no value";
      return r;
    }
    if (std::string problem = option->apply(r.options, value); !problem.empty()) {
      r.error = "bad value '" + value + "' for " + arg + ": " + problem;
      return r;
    }
  }
  return r;
}

std::string HelpSummary() {
  return "Fly the rescue helicopter: hoist the people in danger, bring them to the base.";
}

std::string KeysHelp() {
  return "Keys: arrows altitude and heading, A/Z speed, Page Up/Page Down rotor,\n"
         "Space rescue chair, M map, F1 help, Esc menu; Alt+Enter full screen or\n"
         "window, F12 screenshot.";
}

std::vector<OptionHelp> ListedOptions() {
  std::vector<OptionHelp> list;
  for (const OptionSpec& s : Specs())
    if (s.help) list.push_back({s.name, s.value ? s.value : "", s.help});
  return list;
}

std::string HelpText() {
  std::string text = "Usage: heli-rescue [OPTION]...\n" + HelpSummary() + "\n\n";
  for (const OptionSpec& s : Specs()) {
    if (!s.help) continue;
    std::string left = std::string("  ") + s.name + (s.value ? std::string(" ") + s.value : "");
    if (left.size() < 24) {
      left.resize(24, ' ');
    } else {
      text += left + "\n";
      left.assign(24, ' ');
    }
    // Wrap the description at 79 columns under its own column.
    std::string line = left;
    std::string word;
    for (const char* c = s.help;; ++c) {
      if (*c == ' ' || *c == 0) {
        if (line.size() + word.size() + 1 > 79 && line.size() > 24) {
          text += line + "\n";
          line.assign(24, ' ');
        }
        line += (line.size() > 24 ? " " : "") + word;
        word.clear();
        if (*c == 0) break;
      } else {
        word += *c;
      }
    }
    text += line + "\n";
  }
  text += "\n" + KeysHelp() + "\n";
  return text;
}

}  // namespace heli
