#pragma once
// The game state: every variable and record array that the subsystems share,
// under one roof so that a test can run a fresh game. Widths are those the game
// relies on: bytes wrap, i32 may go negative, map positions are single precision.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "game/sounds.h"

namespace heli {

using u8 = std::uint8_t;
using i32 = std::int32_t;
using u32 = std::uint32_t;
using f32 = float;
using i8 = std::int8_t;

struct Tile {    // map tile (scenery island)
  u8 image = 0;  // list ostrovy
  i32 x = 0, y = 0;
  f32 mx = 0, my = 0;
};

struct Particle {  // wave sparkle, screen coordinates
  u8 phase = 0;
  i32 x = 0, y = 0;
};

struct MenuButton {
  u8 image = 0;  // list vrt
  i32 x = 0, y = 0;
};

struct WorldObject {
  i32 x = 0, y = 0;
  u8 tall = 0;
  u8 landed_ok = 0;
  u8 on_map = 0;
  f32 mx = 0, my = 0;
  u8 tick = 0;
  u8 frame = 0;
  u8 image = 0;  // ostrovy for records 1..4, poz from 5 on
  u8 clearance = 0;
};

struct Person {
  i32 x = 0, y = 0;
  u8 wave_phase = 0;
  u8 fall_step = 0;
  u8 fall_w = 0;
  u8 fall_h = 0;
  u8 aboard = 0;
  u8 doomed = 0;

  // What this tick showed of the person, kept by the rules where the person was at
  // each stage (a fleeing person moves between its pictures); the view draws it.
  enum Shown : u8 { kWaiting = 1, kRunning = 2, kFalling = 4, kMark = 8 };
  u8 shown = 0;
  u8 shown_phase = 0;           // waving
  i32 run_x = 0, run_y = 0;     // running from the fire
  i32 fall_x = 0, fall_y = 0;   // falling
  u8 shown_w = 0, shown_h = 0;  // the falling picture's size
  i32 mark_x = 0, mark_y = 0;   // the mark where the person died
};

struct Vortex {
  i32 x = 0, y = 0;
  f32 mx = 0, my = 0;
  u8 run_y = 0, run_x = 0;
  u8 dir_x = 0, dir_y = 0;
  u8 spin = 0;
};

struct Heli {  // another helicopter
  i32 x = 0, y = 0;
  i32 shove = 0;
  i32 pace = 0;
  u32 dice = 0;
  f32 mx = 0, my = 0;
  u8 steer_west = 0, steer_east = 0, steer_north = 0, steer_south = 0;
  u8 heli_heading = 0;
  u8 heli_rotor = 0;
  u8 shown_rotor = 0;  // the rotor's angle as this tick showed it, before it turned on
};

struct Timer {       // a window timer
  int Interval = 0;  // milliseconds
  bool Enabled = false;
};

// The logical input states, in the order of the input device's states: the four
// directions, then the buttons (1 faster, 2 slower, 3 rotor up, 4 rotor down,
// 5 chair, 6 controls picture, 7 map).
enum InputState : int {
  stUp,
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
};

// Width and height of the pictures the rules measure, by index; a picture the
// list does not have measures 0 x 0.
struct PictureSizes {
  std::vector<std::pair<std::int32_t, std::int32_t>> sizes;
  std::int32_t Width(int index) const { return Valid(index) ? sizes[Index(index)].first : 0; }
  std::int32_t Height(int index) const { return Valid(index) ? sizes[Index(index)].second : 0; }

 private:
  bool Valid(int index) const { return index >= 0 && Index(index) < sizes.size(); }
  static std::size_t Index(int index) { return static_cast<std::size_t>(index); }
};

// Records are numbered from 1 in the game's rules; At(n) gives record n.
template <typename T, int N>
struct Records {
  std::array<T, N> items{};
  static constexpr int capacity = N;
  T& At(int n) { return items[static_cast<std::size_t>(n - 1)]; }
  const T& At(int n) const { return items[static_cast<std::size_t>(n - 1)]; }
  T& operator[](int i) { return items[static_cast<std::size_t>(i)]; }  // from 0
  const T& operator[](int i) const { return items[static_cast<std::size_t>(i)]; }
};

// What this tick's frame shows of the world: the state as it stood where the
// flight view or the map is drawn in the play tick (the steps after that point
// move it on: the controls, the scroll, the limits, the crash's count).
struct Scene {
  bool map = false;    // the map, else the flight view
  bool crash = false;  // the crash sequence's banner and explosion over it
  u8 level = 0;
  i32 altitude = 0;
  u8 heading = 0;
  u8 rotor_rpm = 0;
  u8 rotor_angle = 0;
  u8 spray_size = 0;
  f32 map_x = 0, map_y = 0;
  i32 heli_screen_x = 0, heli_screen_y = 0;
  i32 view_x = 0, view_y = 0;
  i32 background_x = 0, background_y = 0;
  u8 chair_out = 0, chair_len = 0, chair_loaded = 0;
  i32 chair_x = 0;
  u8 crashed = 0, crash_tick = 0;
  u8 over_pad = 0, hit_flag = 0, spin_angle = 0;
  // Values shown before the rules moved them on, kept by those rules themselves:
  // the stretcher's trip timer, and level 2's flame and burning object.
  i32 drawn_unload_timer = 0;
  u8 drawn_flame = 0, drawn_fire_image = 0;
  u8 tile_count = 0, object_count = 0, people_count = 0, vortex_count = 0, heli_count = 0;
  Records<Tile, 200> tiles;
  Records<Particle, 40> particles;  // as they stood before wrapping round
  Records<WorldObject, 20> objects;
  Records<Person, 40> people;
  Records<Vortex, 6> vortices;
  Records<Heli, 6> helis;
};

struct GameState {
  // Helicopter and flight.
  i32 altitude = 0;
  u8 heading = 0;
  i32 speed = 0;
  u8 speed_max = 0;
  u8 rotor_rpm = 0;
  u8 rotor_rpm_max = 0;
  u8 altitude_max = 0;
  u8 rotor_angle = 0;
  u8 spray_size = 0;
  i32 rotor_sound_freq = 0;
  i32 fuel_tick = 0;
  i32 scroll_dx = 0;
  i32 scroll_dy = 0;
  f32 map_x = 0;
  f32 map_y = 0;
  i32 heli_screen_x = 0;
  i32 heli_screen_y = 0;
  i32 view_x = 0;
  i32 view_y = 0;

  // Rescue chair.
  u8 chair_out = 0;
  u8 chair_len = 0;
  u8 chair_tick = 0;
  i32 chair_x = 0;
  u8 chair_loaded = 0;
  u8 free_seats = 0;

  // Game flow and screens.
  u8 level = 0;
  u8 lev_file = 0;
  u8 crashed = 0;
  u8 crash_tick = 0;
  u8 map_shown = 0;
  u8 help_shown = 0;
  u8 key_lock = 0;
  u8 level_intro = 0;
  u8 level_done = 0;
  u8 in_menu = 0;
  u8 menu_item = 0;
  i8 menu_hover = -1;  // the menu button (0 .. 3) shown lit, -1 none
  // The menu's selection was last moved by Up or Down: the mouse's band does not
  // choose until the mouse moves again.
  u8 menu_by_keys = 0;
  u8 intro_running = 0;
  i32 intro_tick = 0;
  i32 intro_volume = 0;
  u8 game_started = 0;
  u8 load_failed = 0;
  i32 mouse_x = 0, mouse_y = 0;
  i32 background_x = 0, background_y = 0;
  u8 blink_tick = 0;
  u8 vortex_warning = 0;

  // Rescue bookkeeping and world.
  i32 endangered = 0;
  i32 rescued = 0;
  u8 unloading = 0;
  i32 unload_timer = 0;
  i32 unload_tick = 0;
  u8 fanfare_played = 0;
  u8 over_pad = 0;
  u8 hit_flag = 0;
  u8 spin_angle = 0;
  u8 frame_tick = 0;
  u8 special_frame = 0;
  u8 clock_on = 0;
  i32 clock_ticks = 0;
  i32 next_event = 0;
  u8 event_interval = 0;
  u8 next_person = 0;
  u8 special_count = 0;

  // Counts of the record arrays.
  u8 tile_count = 0;
  u8 object_count = 0;
  u8 people_count = 0;
  u8 vortex_count = 0;
  u8 heli_count = 0;

  // Remembered fade levels of looped sounds (hundredths of a decibel).
  i32 vortex_volume = 0;
  i32 pad_volume = 0;
  i32 level2_volume = 0;
  i32 level4_volume = 0;
  i32 level6_volume = 0;
  i32 wave14_volume = 0;

  // Record arrays.
  Records<Tile, 200> tiles;
  Records<Particle, 40> particles;
  Records<WorldObject, 20> objects;
  Records<Person, 40> people;
  Records<Vortex, 6> vortices;
  Records<Heli, 6> helis;
  Records<MenuButton, 4> menu_buttons;

  // What the window's widgets show, as plain values; the view puts them on the
  // widgets before each frame is presented. The fuel quantity is the fuel gauge's
  // width (150 = full), as the design keeps it.
  i32 rotor_gauge = 138;                                    // gotacky
  i32 speed_gauge = 138;                                    // grychlost
  i32 altitude_gauge = 138;                                 // gvyska
  i32 fuel = 131;                                           // gpalivo
  std::array<bool, 4> heads_shown{true, true, true, true};  // hlava1 .. hlava4
  bool bottom_panel_shown = true;                           // spodni_menu
  bool rescued_panel_shown = true;                          // p_zachraneni
  bool endangered_panel_shown = true;                       // p_ohrozeni
  i32 rescued_label = 0;                                    // the caption of zachrana
  i32 endangered_label = 0;                                 // ohrozeni
  i32 level_label = 1;                                      // clevel
  i32 cursor = -21;  // the mouse cursor over the picture: -1 hidden, -21 the hand

  // The window's two timers: the main tick and the mission clock's 2-second tick.
  Timer Timer1{2, true};
  Timer cass{2000, false};

  // What the game has asked of the sound list.
  SoundBoard sounds;

  // What this tick's frame shows of the world (kept by the play tick).
  Scene scene;

  // The input states held at the last poll and at the poll before it (bit n:
  // InputState n); a state pressed at the last poll was not held before it.
  std::uint64_t input_states = 0;
  std::uint64_t input_states_before = 0;
  bool Held(InputState s) const { return (input_states >> s) & 1; }
  bool Pressed(InputState s) const { return Held(s) && !((input_states_before >> s) & 1); }

  // What the rules measure of the pictures: the built-in list ostrovy, and the
  // level's own list poz as the last level start loaded it.
  PictureSizes ostrovy_sizes, poz_sizes;

  // The random generator: the classic 32-bit linear congruential one, so that a
  // game with the same seed and input plays the same anywhere.
  u32 RandSeed = 0;
  // The session's seed; reseeding "from the clock" mixes in the timers' time.
  u32 session_seed = 0;
  // The timers' clock in whole milliseconds, kept up to date by the tick clock.
  std::int64_t clock_ms = 0;

  // random(n): a uniform integer 0 .. n - 1 (0 when n <= 0).
  i32 random(i32 n);
  // Seeds the generator from the clock: session seed XOR the clock's milliseconds.
  void RandomizeFromClock();
  // Keeps in `scene` what the frame shows, as it stands now (all but the particles,
  // kept before they wrap round, and the values the rules keep there as shown).
  void CaptureScene(bool map);
};

}  // namespace heli
