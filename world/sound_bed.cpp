#include "world/sound_bed.h"

#include "shell/form.h"

namespace heli {

namespace {

void StartLoop(TForm1& g, int wave, int volume) {
  media::Wave& w = g.Wave(wave);
  w.SetLooped(true);
  w.SetWaveVolume(volume);
  w.PlayWave(false);
}

}  // namespace

void StartLevelSounds(TForm1& g) {
  g.Wave(0).StopWave();
  StartLoop(g, 21, -400);
  StartLoop(g, 4, -700);
  g.wave14_volume = -7000;
  StartLoop(g, 14, g.wave14_volume);
  g.pad_volume = -7000;
  StartLoop(g, 18, g.pad_volume);
  g.Wave(8).SetLooped(true);
  g.Wave(8).SetWaveFrequency(40000);
  g.Wave(8).SetWaveVolume(-7000);
  g.Wave(8).PlayWave(false);
  g.vortex_volume = -7000;
  StartLoop(g, 9, g.vortex_volume);
  if (g.level == 2) {
    g.level2_volume = -7000;
    StartLoop(g, 17, g.level2_volume);
  }
  if (g.level == 4) {
    g.level4_volume = -7000;
    StartLoop(g, 17, g.level4_volume);
  }
  if (g.level == 6) {
    g.level6_volume = -7000;
    StartLoop(g, 15, g.level6_volume);
  }
  g.Wave(1).SetLooped(true);
  g.Wave(1).SetWaveFrequency(g.rotor_sound_freq);
  g.Wave(1).SetWaveVolume(-700);
  g.Wave(1).PlayWave(false);
}

void StopGameSounds(TForm1& g) {
  g.Wave(0).SetLooped(true);
  g.Wave(0).PlayWave(false);
  for (int w : {1, 4, 5, 8, 9, 10, 14, 15, 17, 18, 19, 21}) g.Wave(w).StopWave();
}

}  // namespace heli
