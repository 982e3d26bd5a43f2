#pragma once
// Driving a test game through its timer and reading what it showed.
#include <gtest/gtest.h>

#include "media/surface.h"
#include "shell/form.h"
#include "shell/main_window.h"
#include "shell/step.h"

namespace heli::testing {

inline void Ticks(TForm1& g, int n) {
  for (int i = 0; i < n; ++i) Step(g);
}

// Reddish pixels of the last presented frame in [x0, x1) x [y0, y1).
inline int RedPixels(const TForm1& g, int x0, int y0, int x1, int y1) {
  const media::Surface& f = g.DXDraw.Frame();
  int count = 0;
  for (int y = y0; y < y1 && y < f.Height(); ++y)
    for (int x = x0; x < x1 && x < f.Width(); ++x) {
      const media::Pixel p = f.At(x, y);
      if (media::Red8(p) > 150 && media::Green8(p) < 90 && media::Blue8(p) < 90) ++count;
    }
  return count;
}

// Starts are counted only for sounds that have a recording; without the built-in
// recordings a start leaves no trace to check.
// Starts are counted only for sounds that have a recording.
inline void ExpectStarts(const TForm1& g, WaveId w, int starts) {
  if (StoredWaves()[w].recorded) {
    EXPECT_EQ(g.sounds.Setting(w).starts, starts) << StoredWaves()[w].name;
  }
}

}  // namespace heli::testing
