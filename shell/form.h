#pragma once
// The main window (TForm1): every component the game works with, and the game
// state. Procedures of every subsystem take it as their one argument.
#include <span>
#include <string>

#include "game/state.h"
#include "media/display.h"
#include "media/image_list.h"
#include "media/input.h"
#include "media/sound.h"
#include "media/widgets.h"
#include "shell/timers.h"

namespace heli {

struct TForm1 : GameState {
  // Components in their stored order.
  media::Display DXDraw;
  Timer Timer1{2, true};
  media::ImageList vrt;
  media::Input DXInput1;
  media::Panel spodni_menu;
  media::ImageWidget Image2;
  media::ImageList poz;
  media::ImageWidget gotacky, gvyska, grychlost, gpalivo;
  media::ImageWidget hlava1, hlava2, hlava3, hlava4;
  media::Panel p_zachraneni;
  media::Label zachrana;
  media::Panel p_ohrozeni;
  media::Label ohrozeni, clevel;
  media::SoundDevice DXSound1;
  media::WaveList DXWaveList1;
  media::ImageList ostrovy;
  media::ImageWidget Image4, Image5;
  Timer cass{2000, false};

  // Closing the window ends the program (the menu's konec, or the platform).
  bool closed = false;
  // Why the last level start failed (a level picture file that could not be
  // read); the menu shows it until a level starts.
  std::string level_error;
  // What the save file was last found to be when it could not be read or written
  // (no save, an unreadable one, a save that failed), in the player's words; the
  // menu shows it, under a level error, until a load or a save succeeds.
  std::string save_note;

  media::Wave& Wave(int index) { return DXWaveList1.Items(index); }
};

using Game = TForm1;

struct FormOptions {
  media::DisplayOptions display;
  bool sound = true;
};

// The sound list as stored with the window: name and loop flag of each sound.
struct StoredWave {
  const char* name;
  bool looped;
};
inline constexpr int kStoredWaveCount = 22;
std::span<const StoredWave> StoredWaves();
// The built-in recording of sound `index` (0 .. kStoredWaveCount - 1), as a name
// for assets::Embedded; it may be missing (a sound without a recording).
std::string StoredWaveFile(int index);

// Loads the stored window: the components with their settings and built-in
// pictures and recordings, sets up the display (which may throw media::Error),
// the sound device and the input device. Does not run create.
void LoadForm(TForm1& f, const FormOptions& options);

}  // namespace heli
