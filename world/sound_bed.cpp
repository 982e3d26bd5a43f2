#include "world/sound_bed.h"

#include "game/state.h"
#include "levels/level_tables.h"

namespace heli {

namespace {

void StartLoop(GameState& g, WaveId wave, int volume) {
  g.sounds.SetLooped(wave, true);
  g.sounds.SetVolume(wave, volume);
  g.sounds.Play(wave);
}

}  // namespace

void StartLevelSounds(GameState& g) {
  g.sounds.Stop(kHMenu);
  StartLoop(g, kHudbaHra, -400);
  StartLoop(g, kVlny, -700);
  g.wave14_volume = -7000;
  StartLoop(g, kKroky, g.wave14_volume);
  g.pad_volume = -7000;
  StartLoop(g, kSirena, g.pad_volume);
  g.sounds.SetLooped(kCiziVrtulnik, true);
  g.sounds.SetFrequency(kCiziVrtulnik, 40000);
  g.sounds.SetVolume(kCiziVrtulnik, -7000);
  g.sounds.Play(kCiziVrtulnik);
  g.vortex_volume = -7000;
  StartLoop(g, kTamrox, g.vortex_volume);
  // The fire's or the boat's own loop.
  if (const LevelParticulars& level = ParticularsOf(g.level); level.hazard_volume) {
    g.*level.hazard_volume = -7000;
    StartLoop(g, level.hazard_sound, g.*level.hazard_volume);
  }
  g.sounds.SetLooped(kHelik, true);
  g.sounds.SetFrequency(kHelik, g.rotor_sound_freq);
  g.sounds.SetVolume(kHelik, -700);
  g.sounds.Play(kHelik);
}

void StopGameSounds(GameState& g) {
  g.sounds.SetLooped(kHMenu, true);
  g.sounds.Play(kHMenu);
  for (WaveId w : {kHelik, kVlny, kHlas, kCiziVrtulnik, kTamrox, kDrama, kKroky, kLodicka, kOhen,
                   kSirena, kFanfara, kHudbaHra})
    g.sounds.Stop(w);
}

}  // namespace heli
