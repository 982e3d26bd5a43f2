#pragma once
// The player's settings file, settings.ini: how the game is shown and heard, the
// keys, the controller. A line that cannot be used is one warning and is skipped,
// so the game always starts.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "media/input.h"
#include "media/window.h"
#include "shell/language.h"

namespace heli {

struct Settings {
  media::WindowMode mode = media::WindowMode::Desktop;
  media::WindowLook look;
  bool smooth = true;  // frames between the ticks on a screen faster than the game
  bool sound = true;
  int volume = 100;  // percent
  media::Input::Assignments keys = media::Input::DefaultAssignments();
  bool rumble = true;
  bool pause_in_background = false;
  std::optional<Language> language;  // none: the locale's
};

struct LoadedSettings {
  Settings settings;
  std::vector<std::string> warnings;  // "FILE:LINE: message", in file order
};

// Reads the file over the defaults. A file that cannot be opened is one warning.
LoadedSettings LoadSettings(const std::filesystem::path& file);
LoadedSettings ParseSettings(const std::string& text, const std::string& file_name);

// The file the game writes when the player has none: every setting at its
// default, each with a comment on what it does.
std::string DefaultSettingsText();

// $XDG_CONFIG_HOME/heli-rescue/settings.ini, else ~/.config/heli-rescue/settings.ini;
// empty when neither variable is set.
std::filesystem::path DefaultSettingsPath();

// The settings of `file`, written with the defaults first when it does not exist
// (its folder made as needed). Problems go to `warnings`; the defaults stand in.
LoadedSettings ReadOrCreateSettings(const std::filesystem::path& file);

}  // namespace heli
