#include "shell/level_flow.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "game/reset.h"
#include "levels/layout.h"
#include "levels/level_tables.h"
#include "shell/folders.h"
#include "shell/form.h"
#include "shell/language.h"
#include "shell/save_file.h"
#include "world/sound_bed.h"

namespace heli {

namespace {

constexpr int kHiddenCursor = -1;

void ShowPanels(TForm1& g, bool shown) {
  g.bottom_panel_shown = shown;
  g.rescued_panel_shown = shown;
  g.endangered_panel_shown = shown;
}

// Levels 3, 5, 7 and 9 share the pictures of level 1.
u8 LevelFileOf(u8 level) {
  const LevelTable* t = FindLevelTable(level);
  return t ? t->particular.picture_file : level;
}

std::string Failure(const std::string& path, const std::exception& e) {
  std::string message = e.what();
  if (message.find(path) == std::string::npos) message = path + ": " + message;
  return message;
}

// Reads a level picture file into a list of its own, so that a file that cannot
// be read leaves poz as it was. Returns what went wrong, or an empty text.
std::string ReadLevelPictures(const std::string& path, media::ImageList& out) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec) || !std::ifstream(path, std::ios::binary))
    return "Cannot open file " + path;
  try {
    out.LoadItemsFromFile(path);
  } catch (const std::exception& e) {
    return Failure(path, e);
  }
  return {};
}

// Prepares the new level's pictures when poz's are prepared. The old surfaces go
// first, so that two levels' pictures are never held at once; should the new ones
// fail, the old ones are made again from their stored pictures and poz is as it was.
std::string PrepareLevelPictures(const std::string& path, media::ImageList& poz,
                                 media::ImageList& pictures) {
  if (!poz.Initialized()) return {};
  poz.Finalize();
  try {
    pictures.Initialize();
  } catch (const std::exception& e) {
    pictures.Finalize();
    try {
      poz.Initialize();
    } catch (const std::exception&) {
      // They were made from the same stored pictures before.
    }
    return Failure(path, e);
  }
  return {};
}

// A level that cannot be shown is not started: back to the menu, which names the
// file, with the world and the save file as they were.
void LevelStartFailed(TForm1& g, const std::string& error) {
  std::cerr << "heli-rescue: " << error << "\n";
  g.level_error = error;
  // Only a completed level starts the next one during play, with its sounds on.
  if (g.level_done != 0) StopGameSounds(g);
  g.level_done = 0;
  g.level_intro = 0;
  g.in_menu = 1;
  ShowPanels(g, false);
}

// What the menu says about the save file.
constexpr char kNoSave[] = "Uložená hra CHYBÍ !!";
constexpr char kUnreadableSave[] = "Uloženou hru NELZE PŘEČÍST !!";
constexpr char kNotSaved[] = "Hra NEBYLA ULOŽENA !!";

void Save(TForm1& g) {
  std::error_code error;
  if (SaveProgress(g, &error)) {
    g.save_note.clear();
    return;
  }
  std::cerr << "heli-rescue: cannot write " << SaveFilePath().string() << ": " << error.message()
            << "; the level reached is not saved\n";
  g.save_note = kNotSaved;
}

// New game and saved game: play starts at `level` from its start screen.
bool BeginGame(TForm1& g, u8 level) {
  const u8 prior_level = g.level;
  const u8 prior_started = g.game_started;
  g.cursor = kHiddenCursor;
  g.level = level;
  g.game_started = 1;
  g.in_menu = 0;
  if (!StartLevel(g)) {
    // The paused game, if any, stays as it was under the menu.
    g.level = prior_level;
    g.game_started = prior_started;
    return false;
  }
  StartLevelSounds(g);
  return true;
}

void LoadGame(TForm1& g) {
  const u8 prior_level = g.level;
  const LoadResult loaded = LoadProgress(g);
  if (loaded != LoadResult::Loaded) {
    const bool none = loaded == LoadResult::NoSave;
    std::cerr << "heli-rescue: " << SaveFilePath().string()
              << (none ? ": no saved game\n" : ": the saved game cannot be read\n");
    // The answer to this click, rather than an older level error.
    g.level_error.clear();
    g.save_note = none ? kNoSave : kUnreadableSave;
    return;
  }
  g.save_note.clear();
  if (!BeginGame(g, g.level)) g.level = prior_level;
}

void ReturnToGame(TForm1& g) {
  if (g.game_started == 0) {
    g.game_started = 1;
    if (!StartLevel(g)) {
      g.game_started = 0;
      return;
    }
  }
  ShowPanels(g, true);
  g.cursor = kHiddenCursor;
  g.in_menu = 0;
  StartLevelSounds(g);
}

}  // namespace

std::string LevelFilePath(int n) {
  // The level files in the language the game speaks sit in a folder of their own.
  return (DataFolder() / InLanguage("lev" + std::to_string(n) + ".lta",
                                    [](const std::string& f) {
                                      std::error_code ec;
                                      return std::filesystem::is_regular_file(DataFolder() / f, ec);
                                    }))
      .string();
}

bool StartLevel(TForm1& g) {
  u8 next = g.level;
  if (g.level_done != 0) {
    ++next;
    if (next > 9) next = 1;
  }
  const u8 file = LevelFileOf(next);
  // The pictures are read first: a level without them is never laid out, and the
  // save file is written only for a level that really starts.
  media::ImageList pictures;
  const std::string path = LevelFilePath(file);
  std::string error = ReadLevelPictures(path, pictures);
  if (error.empty()) error = PrepareLevelPictures(path, g.poz, pictures);
  if (!error.empty()) {
    LevelStartFailed(g, error);
    return false;
  }

  ShowPanels(g, false);
  g.cass.Enabled = false;
  g.cursor = kHiddenCursor;
  if (g.level_done != 0) {
    g.level = next;
    // Level 1 is never saved, so completing level 9 leaves the save at 9.
    if (g.level > 1) Save(g);
  }
  g.lev_file = file;
  g.poz = std::move(pictures);
  MeasurePictures(g);
  g.level_error.clear();
  ResetGameState(g);
  LayoutLevel(g);
  g.level_intro = 1;
  return true;
}

void StartPlay(TForm1& g) {
  g.level_intro = 0;
  g.bottom_panel_shown = true;
  g.rescued_panel_shown = true;
  // The timed levels' mission clock.
  if (const LevelTable* t = FindLevelTable(g.level); t && t->clock_on != 0) g.cass.Enabled = true;
  g.endangered_panel_shown = true;
  LayoutLevel(g);
}

void MenuChoice(TForm1& g) {
  switch (g.menu_item) {
    case 21:
      BeginGame(g, 1);
      break;
    case 22:
      LoadGame(g);
      break;
    case 23:
      ReturnToGame(g);
      break;
    case 24:
      g.closed = true;
      break;
    default:
      break;
  }
}

bool StartAtLevel(TForm1& g, int n) {
  g.intro_running = 0;
  g.in_menu = 1;
  if (!BeginGame(g, static_cast<u8>(n))) {
    g.sounds.Play(kHMenu);  // the menu's music, as after the intro
    return false;
  }
  StartPlay(g);
  return true;
}

}  // namespace heli
