#include "game/reset.h"

#include "game/pictures.h"
#include "game/state.h"

namespace heli {

void ResetGameState(GameState& g) {
  g.crashed = 0;
  g.fuel = 150;  // the fuel quantity lives in the fuel gauge's width

  g.chair_loaded = 0;
  g.map_y = 0;
  g.map_x = 0;
  g.unloading = 0;
  g.level_intro = 0;
  g.level_done = 0;
  g.chair_out = 0;
  g.chair_len = 1;
  g.help_shown = 0;
  g.crash_tick = 1;

  g.rotor_sound_freq = 30000;
  g.sounds.SetFrequency(kHelik, g.rotor_sound_freq);
  g.sounds.SetVolume(kHlas, -1000);

  g.unload_timer = 100;
  g.unload_tick = 0;
  g.fuel_tick = 0;
  g.spray_size = 80;
  g.vortex_warning = 0;
  g.blink_tick = 0;

  g.speed_max = 15;
  g.rotor_rpm_max = 25;
  g.altitude_max = 50;
  g.fanfare_played = 0;
  g.speed = 0;
  g.rotor_rpm = 25;
  g.altitude = 25;

  g.RandomizeFromClock();
  g.RandomizeFromClock();

  g.heading = 128;
  g.background_x = 0;
  g.background_y = 0;
  g.free_seats = 4;

  for (int i = 0; i < g.particles.capacity; ++i) {
    Particle& p = g.particles[i];
    p.phase = static_cast<u8>(1 + i % 4);
    p.x = g.random(800);
    p.y = g.random(600);
  }

  using namespace pic::vrt;
  const MenuButton buttons[4] = {
      {kNhra, 360, 100}, {kUlozeni, 360, 230}, {kNavrat, 360, 360}, {kKonec, 360, 490}};
  for (int i = 0; i < 4; ++i) g.menu_buttons[i] = buttons[i];

  g.menu_item = 20;
}

void InitialState(GameState& g) {
  g.in_menu = 0;
  g.level = 1;
  ResetGameState(g);
  g.game_started = 0;
  g.bottom_panel_shown = false;
  g.rescued_panel_shown = false;
  g.endangered_panel_shown = false;
  g.intro_running = 1;
  g.cursor = -1;
  g.Timer1.Enabled = true;
}

}  // namespace heli
