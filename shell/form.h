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
#include "view/painter.h"

namespace heli {

struct TForm1 : GameState {
  // Components in their stored order.
  media::Display DXDraw;
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

  // The one clock that drives the timers (see shell/step.h).
  TickClock clock{60};

  // What the view draws with.
  heli::Painter Painter() { return {DXDraw, vrt, ostrovy, poz}; }

  // The controller's rumble (shell/rumble.h): the player's setting, steps counted,
  // and the step a strong pulse runs until.
  bool rumble_on = true;
  long long rumble_steps = 0, pulse_until_step = 0;

  // The last main tick drew the flight view or the map (frames between the ticks
  // may carry it on; shell/smooth.h).
  bool play_frame_shown = false;

  // Closing the window ends the program (the menu's konec, or the platform).
  bool closed = false;
  // Why the last level start failed (a level picture file that could not be
  // read); the menu shows it until a level starts.
  std::string level_error;
  // What the save file was last found to be when it could not be read or written
  // (no save, an unreadable one, a save that failed), in the player's words; the
  // menu shows it, under a level error, until a load or a save succeeds.
  std::string save_note;
};

using Game = TForm1;

struct FormOptions {
  media::DisplayOptions display;
  bool sound = true;
};

// The built-in recording of sound `index` (0 .. kWaveCount - 1), as a name for
// assets::Embedded; it may be missing (a sound without a recording).
std::string StoredWaveFile(int index);

// Reads the input devices and keeps their states in the game state.
void PollInput(TForm1& f);

// Keeps the sizes of the pictures of ostrovy and poz in the game state, for the
// rules that measure them; after a list has changed.
void MeasurePictures(TForm1& f);

// Makes the sound list do what the game asked of it since the last call (Step
// does, at the end of every step).
void FollowSounds(TForm1& f);

// Puts the state's widget values on the widgets and presents the frame.
void PresentFrame(TForm1& f);

// Loads the stored window: the components with their settings and built-in
// pictures and recordings, sets up the display (which may throw media::Error),
// the sound device and the input device. Does not run create.
void LoadForm(TForm1& f, const FormOptions& options);

}  // namespace heli
