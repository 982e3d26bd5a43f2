#include "shell/state_dump.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "shell/form.h"

namespace heli {

namespace {

class Json {
 public:
  void Key(const char* name) {
    Comma();
    out_ += '"';
    out_ += name;
    out_ += "\":";
    fresh_ = true;
  }
  void Int(long long v) {
    Comma();
    out_ += std::to_string(v);
  }
  void Float(float v) {
    Comma();
    char buf[32];
    // Shortest text that reads back as the same float.
#if __cpp_lib_to_chars >= 201611L
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    out_.append(buf, ec == std::errc() ? end : buf);
#else
    // A standard library without floats in to_chars (the browser build's): the
    // fewest significant digits that read back the same.
    int n = 0;
    for (int digits = 1; digits <= 9; ++digits) {
      n = std::snprintf(buf, sizeof buf, "%.*g", digits, static_cast<double>(v));
      if (std::strtof(buf, nullptr) == v) break;
    }
    out_.append(buf, static_cast<std::size_t>(std::max(n, 0)));
#endif
  }
  void Bool(bool v) {
    Comma();
    out_ += v ? "true" : "false";
  }
  void String(const std::string& s) {
    Comma();
    out_ += '"';
    for (char c : s) {
      if (c == '"' || c == '\\') out_ += '\\';
      if (static_cast<unsigned char>(c) < 0x20) continue;
      out_ += c;
    }
    out_ += '"';
  }
  void Open(char c) {
    Comma();
    out_ += c;
    fresh_ = true;
  }
  void Close(char c) {
    out_ += c;
    fresh_ = false;
  }
  std::string& Text() {
    return out_;
  }

 private:
  void Comma() {
    if (!fresh_) out_ += ',';
    fresh_ = false;
  }
  std::string out_;
  bool fresh_ = true;
};

template <typename T>
void Field(Json& j, const char* name, const T& v) {
  j.Key(name);
  if constexpr (std::is_same_v<T, float>)
    j.Float(v);
  else
    j.Int(static_cast<long long>(v));
}

#define F(rec, name) Field(j, #name, rec.name)

template <typename R, typename Each>
void DumpRecords(Json& j, const char* name, const R& records, int count, Each each) {
  j.Key(name);
  j.Open('[');
  for (int i = 0; i < count && i < records.capacity; ++i) {
    j.Open('{');
    each(records[i]);
    j.Close('}');
  }
  j.Close(']');
}

}  // namespace

std::string DumpState(const TForm1& g, std::int64_t tick) {
  Json j;
  j.Open('{');
  Field(j, "tick", tick);
  // Helicopter and flight.
  F(g, altitude);
  F(g, heading);
  F(g, speed);
  F(g, speed_max);
  F(g, rotor_rpm);
  F(g, rotor_rpm_max);
  F(g, altitude_max);
  F(g, rotor_angle);
  F(g, spray_size);
  F(g, rotor_sound_freq);
  F(g, fuel_tick);
  F(g, scroll_dx);
  F(g, scroll_dy);
  F(g, map_x);
  F(g, map_y);
  F(g, heli_screen_x);
  F(g, heli_screen_y);
  F(g, view_x);
  F(g, view_y);
  // Rescue chair.
  F(g, chair_out);
  F(g, chair_len);
  F(g, chair_tick);
  F(g, chair_x);
  F(g, chair_loaded);
  F(g, free_seats);
  // Game flow and screens.
  F(g, level);
  F(g, lev_file);
  F(g, crashed);
  F(g, crash_tick);
  F(g, map_shown);
  F(g, help_shown);
  F(g, key_lock);
  F(g, level_intro);
  F(g, level_done);
  F(g, in_menu);
  F(g, menu_item);
  F(g, intro_running);
  F(g, intro_tick);
  F(g, intro_volume);
  F(g, game_started);
  F(g, load_failed);
  F(g, mouse_x);
  F(g, mouse_y);
  F(g, background_x);
  F(g, background_y);
  F(g, blink_tick);
  F(g, vortex_warning);
  // Rescue bookkeeping and world.
  F(g, endangered);
  F(g, rescued);
  F(g, unloading);
  F(g, unload_timer);
  F(g, unload_tick);
  F(g, fanfare_played);
  F(g, over_pad);
  F(g, hit_flag);
  F(g, spin_angle);
  F(g, frame_tick);
  F(g, special_frame);
  F(g, clock_on);
  F(g, clock_ticks);
  F(g, next_event);
  F(g, event_interval);
  F(g, next_person);
  F(g, special_count);
  F(g, tile_count);
  F(g, object_count);
  F(g, people_count);
  F(g, vortex_count);
  F(g, heli_count);
  F(g, vortex_volume);
  F(g, pad_volume);
  F(g, level2_volume);
  F(g, level4_volume);
  F(g, level6_volume);
  F(g, wave14_volume);
  F(g, RandSeed);

  DumpRecords(j, "tiles", g.tiles, g.tile_count, [&](const Tile& r) {
    F(r, image);
    F(r, x);
    F(r, y);
    F(r, mx);
    F(r, my);
  });
  DumpRecords(j, "particles", g.particles, g.particles.capacity, [&](const Particle& r) {
    F(r, phase);
    F(r, x);
    F(r, y);
  });
  // The four fixed objects are processed whatever the count says.
  DumpRecords(j, "objects", g.objects, std::max<int>(g.object_count, 4), [&](const WorldObject& r) {
    F(r, x);
    F(r, y);
    F(r, tall);
    F(r, landed_ok);
    F(r, on_map);
    F(r, mx);
    F(r, my);
    F(r, tick);
    F(r, frame);
    F(r, image);
    F(r, clearance);
  });
  DumpRecords(j, "people", g.people, g.people_count, [&](const Person& r) {
    F(r, x);
    F(r, y);
    F(r, wave_phase);
    F(r, fall_step);
    F(r, fall_w);
    F(r, fall_h);
    F(r, aboard);
    F(r, doomed);
  });
  DumpRecords(j, "vortices", g.vortices, g.vortex_count, [&](const Vortex& r) {
    F(r, x);
    F(r, y);
    F(r, mx);
    F(r, my);
    F(r, run_y);
    F(r, run_x);
    F(r, dir_x);
    F(r, dir_y);
    F(r, spin);
  });
  DumpRecords(j, "helis", g.helis, g.heli_count, [&](const Heli& r) {
    F(r, x);
    F(r, y);
    F(r, shove);
    F(r, pace);
    F(r, dice);
    F(r, mx);
    F(r, my);
    F(r, steer_west);
    F(r, steer_east);
    F(r, steer_north);
    F(r, steer_south);
    F(r, heli_heading);
    F(r, heli_rotor);
  });
  DumpRecords(j, "menu_buttons", g.menu_buttons, g.menu_buttons.capacity, [&](const MenuButton& r) {
    F(r, image);
    F(r, x);
    F(r, y);
  });

  j.Key("gauges");
  j.Open('{');
  Field(j, "gotacky", g.rotor_gauge);
  Field(j, "grychlost", g.speed_gauge);
  Field(j, "gvyska", g.altitude_gauge);
  Field(j, "gpalivo", g.fuel);
  j.Close('}');
  j.Key("labels");
  j.Open('{');
  j.Key("clevel");
  j.String(std::to_string(g.level_label));
  j.Key("ohrozeni");
  j.String(std::to_string(g.endangered_label));
  j.Key("zachrana");
  j.String(std::to_string(g.rescued_label));
  j.Close('}');
  j.Key("visible");
  j.Open('{');
  const std::pair<const char*, bool> visible[] = {{"spodni_menu", g.bottom_panel_shown},
                                                  {"p_zachraneni", g.rescued_panel_shown},
                                                  {"p_ohrozeni", g.endangered_panel_shown},
                                                  {"hlava1", g.heads_shown[0]},
                                                  {"hlava2", g.heads_shown[1]},
                                                  {"hlava3", g.heads_shown[2]},
                                                  {"hlava4", g.heads_shown[3]}};
  for (const auto& [name, v] : visible) {
    j.Key(name);
    j.Bool(v);
  }
  j.Close('}');
  Field(j, "timer1_interval", g.Timer1.Interval);
  j.Key("cass_enabled");
  j.Bool(g.cass.Enabled);
  j.Key("waves");
  j.Open('[');
  for (int i = 0; i < kWaveCount; ++i) {
    const WaveSetting& w = g.sounds.Setting(static_cast<WaveId>(i));
    j.Open('{');
    Field(j, "index", i);
    j.Key("looped");
    j.Bool(w.looped);
    Field(j, "volume", w.volume);
    Field(j, "frequency", w.frequency);
    Field(j, "starts", w.starts);
    Field(j, "stops", w.stops);
    j.Close('}');
  }
  j.Close(']');
  j.Close('}');
  return std::move(j.Text());
}

#undef F

}  // namespace heli
