#include "shell/settings.h"

#include <fcntl.h>
#ifndef __EMSCRIPTEN__
#include <ini.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "media/keys.h"

namespace heli {

namespace fs = std::filesystem;

namespace {

// The input states by the names the file gives them, with what each does.
struct KeySetting {
  const char* name;
  int state;
  const char* does;
};
constexpr KeySetting kKeySettings[] = {
    {"up", media::stUp, "climb; in the menu, the button above"},
    {"down", media::stDown, "descend; in the menu, the button below"},
    {"left", media::stLeft, "turn left"},
    {"right", media::stRight, "turn right"},
    {"faster", media::stButton1, "fly faster"},
    {"slower", media::stButton2, "fly slower"},
    {"rotor_up", media::stButton3, "more rotor revolutions"},
    {"rotor_down", media::stButton4, "fewer rotor revolutions"},
    {"chair", media::stButton5, "lower or wind in the rescue chair"},
    {"help", media::stButton6, "show or hide the controls picture"},
    {"map", media::stButton7, "show or hide the map"},
    {"button8", media::stButton8, "nothing in the game"},
    {"button9", media::stButton9, "nothing in the game"},
};

#ifndef __EMSCRIPTEN__  // the reader's helpers; a page has no reader
std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r\n");
  return std::string(s.substr(first, last - first + 1));
}

bool Boolean(const std::string& v, bool& out) {
  const std::string l = Lower(v);
  if (l == "on" || l == "yes" || l == "true" || l == "1") return out = true, true;
  if (l == "off" || l == "no" || l == "false" || l == "0") return out = false, true;
  return false;
}

bool Number(const std::string& v, int& out, int min, int max) {
  int n = 0;
  auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
  if (ec != std::errc() || end != v.data() + v.size() || n < min || n > max) return false;
  out = n;
  return true;
}

// The settings that are on or off, each where it is kept.
struct Switch {
  const char* section;
  const char* name;
  bool& (*field)(Settings&);
};
constexpr Switch kSwitches[] = {
    {"display", "vsync", [](Settings& s) -> bool& { return s.look.vsync; }},
    {"display", "smooth", [](Settings& s) -> bool& { return s.smooth; }},
    {"sound", "sound", [](Settings& s) -> bool& { return s.sound; }},
    {"controller", "rumble", [](Settings& s) -> bool& { return s.rumble; }},
    {"game", "pause_in_background", [](Settings& s) -> bool& { return s.pause_in_background; }},
};

// One parse: the lines are fed to the INI reader one by one, so that every line
// the reader could not use is known by its number.
class Parser {
 public:
  Parser(const std::string& text, std::string file_name) : in_(text), file_(std::move(file_name)) {}

  LoadedSettings Run() {
    // An indented line is a mistake to be told of, not the last value's next line;
    // and "# ..." after a value is a comment too.
    static char comments[] = ";#";
    ini_allow_multiline = false;
    ini_inline_comment_prefixes = comments;
    ini_parse_stream(&Parser::ReadLine, this, &Parser::OnSetting, this);
    FinishLine();
    return std::move(result_);
  }

 private:
  static char* ReadLine(char* str, int num, void* self) {
    auto* p = static_cast<Parser*>(self);
    p->FinishLine();
    std::string line;
    if (!std::getline(p->in_, line)) return nullptr;
    ++p->line_no_;
    p->line_ = line;
    p->used_ = false;
    // The reader sees a line at most num - 1 long; a longer one is no setting.
    line = line.substr(0, static_cast<std::size_t>(num) - 2) + "\n";
    std::memcpy(str, line.c_str(), line.size() + 1);
    return str;
  }

  static int OnSetting(void* self, const char* section, const char* name, const char* value) {
    auto* p = static_cast<Parser*>(self);
    p->used_ = true;
    if (!p->skipping_) p->Apply(Lower(section), Lower(name), Trim(value));
    return 1;
  }

  void Warn(const std::string& message) {
    result_.warnings.push_back(file_ + ":" + std::to_string(line_no_) + ": " + message);
  }

  // A line the reader passed over: a section heading, a comment, or a mistake.
  void FinishLine() {
    if (line_no_ == 0 || used_) return;
    used_ = true;
    const std::string t = Trim(line_);
    if (t.empty() || t[0] == ';' || t[0] == '#') return;
    if (t[0] == '[') {
      const auto close = t.find(']');
      // Until the next good heading, nobody knows which section the lines are in.
      skipping_ = close == std::string::npos;
      if (skipping_) return Warn("broken section heading '" + t + "'; its settings are skipped");
      const std::string name = Lower(Trim(t.substr(1, close - 1)));
      const std::string rest = Trim(t.substr(close + 1));
      if (!rest.empty() && rest[0] != ';' && rest[0] != '#')
        return Warn("text after the section heading '" + t + "'");
      if (name != "display" && name != "sound" && name != "keys" && name != "controller" &&
          name != "game")
        Warn("unknown section [" + name + "]; its settings are skipped");
      return;
    }
    Warn("not a setting (NAME = VALUE): '" + t + "'");
  }

  void Apply(const std::string& section, const std::string& name, const std::string& value) {
    Settings& s = result_.settings;
    auto bad = [&](const std::string& wanted) {
      Warn("bad value '" + value + "' for " + name + " (" + wanted + ")");
    };
    auto unknown = [&] { Warn("unknown setting '" + name + "' in [" + section + "]"); };
    for (const Switch& w : kSwitches)
      if (section == w.section && name == w.name) {
        if (!Boolean(value, w.field(s))) bad("on or off");
        return;
      }
    if (section == "display") {
      if (name == "mode") {
        const std::string v = Lower(value);
        if (v == "fullscreen")
          s.mode = media::WindowMode::Desktop;
        else if (v == "window")
          s.mode = media::WindowMode::Windowed;
        else if (v == "exclusive")
          s.mode = media::WindowMode::Exclusive;
        else
          bad("fullscreen, window or exclusive");
      } else if (name == "window_scale") {
        if (Lower(value) == "auto")
          s.look.scale = 0;
        else if (!Number(value, s.look.scale, 1, 16))
          bad("auto or 1 to 16");
      } else if (name == "scaling") {
        const std::string v = Lower(value);
        if (v == "fit" || v == "whole")
          s.look.whole_scale = v == "whole";
        else
          bad("fit or whole");
      } else {
        unknown();
      }
    } else if (section == "sound") {
      if (name == "volume") {
        if (!Number(value, s.volume, 0, 100)) bad("0 to 100");
      } else {
        unknown();
      }
    } else if (section == "keys") {
      const KeySetting* key = nullptr;
      for (const KeySetting& k : kKeySettings)
        if (name == k.name) key = &k;
      if (!key) return unknown();
      ApplyKeys(key->state, value);
    } else if (section == "game" && name == "language") {
      const std::string v = Lower(value);
      if (v == "auto")
        s.language.reset();
      else if (auto l = LanguageNamed(v))
        s.language = l;
      else
        bad("auto, cs or en");
    } else if (section == "controller" || section == "game") {
      unknown();
    } else if (section.empty()) {
      Warn("setting '" + name + "' outside a section");
    }
    // Settings of an unknown section were warned about at its heading.
  }

  // Up to three keys, separated by commas; none leaves the state without a key.
  void ApplyKeys(int state, const std::string& value) {
    std::array<int, media::Input::kKeysPerState> keys{};
    int count = 0;
    std::stringstream list(value);
    for (std::string item; std::getline(list, item, ',');) {
      const std::string k = Trim(item);
      if (k.empty()) continue;
      const int code = media::VirtualKeyFromName(k);
      if (code == 0) return Warn("unknown key name '" + k + "'");
      if (count == media::Input::kKeysPerState) return Warn("more than three keys");
      keys[count++] = code;
    }
    result_.settings.keys[state] = keys;
  }

  std::istringstream in_;
  std::string file_;
  int line_no_ = 0;
  std::string line_;
  bool used_ = true;
  bool skipping_ = false;
  LoadedSettings result_;
};
#endif

std::string KeyList(const std::array<int, media::Input::kKeysPerState>& keys) {
  std::string out;
  for (int k : keys)
    if (k) out += (out.empty() ? "" : ", ") + media::KeyNameOfVirtualKey(k);
  return out;
}

// Writes a new file whole or not at all, and never over a file that is there.
std::string CreateFile(const fs::path& file, const std::string& text) {
  std::string temp = file.string() + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  const int error = ok ? (::link(temp.c_str(), file.c_str()) == 0 ? 0 : errno) : EIO;
  ::unlink(temp.c_str());
  return error == 0 ? std::string() : std::strerror(error);
}

}  // namespace

LoadedSettings ParseSettings(const std::string& text, const std::string& file_name) {
#ifdef __EMSCRIPTEN__
  // The browser build has no INI reader (its source cannot be had from the archive
  // the page's libraries come from), and a page has no file a player could edit.
  (void)text;
  LoadedSettings r;
  r.warnings.push_back(file_name +
                       ": settings files are not read in a web page; the defaults are used");
  return r;
#else
  return Parser(text, file_name).Run();
#endif
}

LoadedSettings LoadSettings(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad()) {
    LoadedSettings r;
    r.warnings.push_back(file.string() + ": cannot be read; the defaults are used");
    return r;
  }
  return ParseSettings(text.str(), file.string());
}

std::string DefaultSettingsText() {
  const Settings d;
  std::string t =
      "# Settings of Záchranný vrtulník (heli-rescue). Lines starting with # are\n"
      "# comments. The command line overrides what is set here. Delete this file to\n"
      "# get the defaults back: the game writes it again.\n"
      "\n"
      "[display]\n"
      "# fullscreen (the desktop's own screen mode), window, or exclusive (a changed\n"
      "# screen mode of 800x600). Alt+Enter switches between full screen and a window.\n"
      "mode = fullscreen\n"
      "# The window's size in picture sizes (800x600): auto is the largest that fits.\n"
      "window_scale = auto\n"
      "# fit fills the screen or window, keeping the picture's shape; whole uses only\n"
      "# whole-number scales, every picture pixel the same size, with wider borders.\n"
      "scaling = fit\n"
      "# Wait for the screen's refresh, where the screen refreshes at least 60 times\n"
      "# a second: on or off.\n"
      "vsync = on\n"
      "# On a screen that refreshes faster than the game's 60 ticks a second (with\n"
      "# vsync), draw frames between the ticks so that the world glides: on or off.\n"
      "smooth = on\n"
      "\n"
      "[sound]\n"
      "sound = on\n"
      "# 0 to 100 percent.\n"
      "volume = 100\n"
      "\n"
      "[keys]\n"
      "# Up to three keys each, separated by commas; nothing after = leaves the\n"
      "# action without a key. Key names as the keys are labelled: A to Z, 0 to 9,\n"
      "# F1 to F12, Up, Down, Left, Right, PageUp, PageDown, Home, End, Insert,\n"
      "# Delete, Space, Return (or Enter), Tab, Backspace, Left Shift, Right Shift,\n"
      "# Left Ctrl, Right Ctrl, Left Alt, Right Alt, Keypad 0 to Keypad 9, Keypad Enter.\n"
      "# Escape, Enter in the menu, Alt+Enter and F12 (a screenshot) stay as they are.\n";
  for (const KeySetting& k : kKeySettings)
    t += "# " + std::string(k.does) + "\n" + k.name + " = " + KeyList(d.keys[k.state]) + "\n";
  t += "\n"
       "[controller]\n"
       "# Shake the controller when the helicopter is lost or hit, and gently while\n"
       "# a vortex holds it: on or off.\n"
       "rumble = on\n"
       "\n"
       "[game]\n"
       "# Stop the game while its window is not the active one: on or off.\n"
       "pause_in_background = off\n"
       "# cs (Czech, the game's own), en (English), or auto: the language of the\n"
       "# locale (LC_ALL, LC_MESSAGES, LANG) when the game speaks it, else Czech.\n"
       "language = auto\n";
  return t;
}

fs::path DefaultSettingsPath() {
#ifdef __EMSCRIPTEN__
  return {};  // a page keeps no settings file
#endif
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && fs::path(xdg).is_absolute()) return fs::path(xdg) / "heli-rescue" / "settings.ini";
  const char* home = std::getenv("HOME");
  if (home && *home) return fs::path(home) / ".config" / "heli-rescue" / "settings.ini";
  return {};
}

LoadedSettings ReadOrCreateSettings(const fs::path& file) {
  std::error_code ec;
  if (!fs::exists(file, ec) && !ec) {
    if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
    const std::string error = ec ? ec.message() : CreateFile(file, DefaultSettingsText());
    // Made by someone else in the meantime: read theirs.
    if (!error.empty() && !fs::exists(file)) {
      LoadedSettings r;
      r.warnings.push_back(file.string() + ": cannot be written (" + error +
                           "); the defaults are used");
      return r;
    }
  }
  return LoadSettings(file);
}

}  // namespace heli
