#include "world/people.h"

#include <algorithm>
#include <string>

#include "game/state.h"
#include "levels/level_tables.h"

namespace heli {

namespace {

// The 900-pixel box around the helicopter in which people are heard.
bool NearHelicopter(const GameState& g, const Person& p) {
  return g.view_x - 450 < p.x && p.x < g.view_x + 450 && g.view_y - 450 < p.y &&
         p.y < g.view_y + 450;
}

bool InHoistBox(const GameState& g, const Person& p) {
  return p.x - 7 < g.view_x && g.view_x < p.x + 10 && p.y - 7 < g.view_y && g.view_y < p.y + 17;
}

void AdvanceWave(Person& p) {
  ++p.wave_phase;
  if (p.wave_phase == 20) p.wave_phase = 1;
}

int PeopleInUse(const GameState& g) {
  return std::min<int>(g.people_count, g.people.capacity);
}

void Hoist(GameState& g, Person& p, int record) {
  --g.free_seats;
  p.aboard = 1;
  g.chair_out = 0;
  g.chair_loaded = 1;
  g.sounds.Play(kVytah);
  // In level 4 the people by the burning platform are the ones that stop its clock.
  const LevelParticulars& level = ParticularsOf(g.level);
  if (level.clock_stop_rescues != 0 && record <= level.clock_stop_people) ++g.special_count;
}

void WaitingPersonVoices(GameState& g) {
  g.sounds.SetVolume(kKasel, -700);
  switch (ParticularsOf(g.level).voices) {
    case LevelParticulars::Voices::Call:
      if (g.random(50) == 10) g.sounds.Play(kHlas);
      break;
    case LevelParticulars::Voices::CoughAndCall:
      if (g.random(500) == 10) g.sounds.Play(kKasel);
      if (g.random(500) == 20) g.sounds.Play(kHlas);
      break;
    case LevelParticulars::Voices::Silent:  // the boat people of level 6
      break;
  }
}

void Waiting(GameState& g, Person& p) {
  if (NearHelicopter(g, p)) WaitingPersonVoices(g);
  p.shown = Person::kWaiting;
  p.shown_phase = p.wave_phase;
  AdvanceWave(p);
}

void ShowMark(Person& p) {
  p.shown |= Person::kMark;
  p.mark_x = p.x;
  p.mark_y = p.y;
}

// Level 2: a doomed person runs from the fire for 13 ticks, then falls and
// shrinks; the mark stays where the fall ended.
void FleeAndFall(GameState& g, Person& p) {
  ++p.fall_step;
  if (p.fall_step < 14) {
    p.shown |= Person::kRunning;
    p.run_x = p.x;
    p.run_y = p.y;
    p.x += 4;
  }
  if (p.fall_step >= 13 && p.fall_step <= 25) {
    p.shown |= Person::kFalling;
    p.fall_x = p.x;
    p.fall_y = p.y;
    p.shown_w = p.fall_w;
    p.shown_h = p.fall_h;
    p.x += 1;
    p.y -= 2;
    --p.fall_w;
    --p.fall_h;
    if (p.fall_w < 5) {
      p.fall_w = 5;
      p.fall_h = 5;
    }
    if (NearHelicopter(g, p) && p.fall_step == 23) g.sounds.Play(kMrtvy);
  }
  if (p.fall_step > 24) ShowMark(p);
  if (p.fall_step > 25) p.fall_step = 25;
  AdvanceWave(p);
}

// Level 4: the dead are heard once, the first time the helicopter comes near.
void DeadPerson(GameState& g, Person& p) {
  if (NearHelicopter(g, p) && p.fall_step == 0) {
    g.sounds.Play(kMrtvy);
    p.fall_step = 1;
  }
  ShowMark(p);
}

void DeliverOne(GameState& g) {
  ++g.free_seats;
  --g.endangered;
  g.endangered_label = g.endangered;
  if (g.free_seats == 4) {
    g.unloading = 0;
    g.wave14_volume = -7000;
    g.sounds.SetVolume(kKroky, g.wave14_volume);
  }
  ++g.rescued;
  g.rescued_label = g.rescued;
}

}  // namespace

void PeopleTick(GameState& g) {
  const int count = PeopleInUse(g);
  const LevelParticulars& level = ParticularsOf(g.level);
  for (int i = 1; i <= count; ++i) {
    Person& p = g.people.At(i);
    p.x += g.scroll_dx;
    p.y -= g.scroll_dy;
    p.y += level.drift;  // in level 6 they stand on the drifting boat
    if (InHoistBox(g, p) && p.aboard == 0 && g.chair_out == 1 && g.free_seats > 0 &&
        g.chair_loaded == 0)
      Hoist(g, p, i);
  }

  for (int i = 1; i <= count; ++i) {
    Person& p = g.people.At(i);
    p.shown = 0;
    if (p.aboard == 0 && p.doomed == 0) {
      Waiting(g, p);
    } else if (p.doomed == 1 && level.doom == LevelParticulars::Doom::FleeAndFall) {
      FleeAndFall(g, p);
    } else if (p.doomed == 1 && level.doom == LevelParticulars::Doom::Die) {
      DeadPerson(g, p);
    }
  }
}

void BaseUnloadTick(GameState& g) {
  const bool standing =
      g.altitude < 6 && g.rotor_rpm < 3 && g.objects.At(3).landed_ok == 1 && g.free_seats < 4;

  if (standing) {
    if (g.fanfare_played == 0) {
      g.fanfare_played = 1;
      g.sounds.Play(kFanfara);
    }
    g.wave14_volume = -600;
    g.sounds.SetVolume(kKroky, g.wave14_volume);
    g.sounds.SetVolume(kHudbaHra, -7000);  // the music gives way to the unloading
  }

  g.scene.drawn_unload_timer = g.unload_timer;  // the stretcher is shown where this puts it

  if (g.unload_timer < 1 && standing) {
    g.unloading = 1;
    g.unload_timer = 110;
  }
  if (g.unload_timer == 20 && g.unload_tick == 2 && standing) DeliverOne(g);

  ++g.unload_tick;
  if (g.unload_tick == 3) {
    g.unload_tick = 0;
    if (g.unload_timer > 0) g.unload_timer -= 2;
  }
}

}  // namespace heli
