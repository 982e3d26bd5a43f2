#pragma once
// The help and map keys, the head icons and the blink of the vortex warning.

namespace heli {

struct TForm1;

// stButton6 (help picture) and stButton7 (map screen), sharing one key lock.
void HelpAndMapKeys(TForm1& g);
void UpdateHeadIcons(TForm1& g);
// The vortex warning blinks: on for 10 ticks of 15.
void BlinkTick(TForm1& g);

}  // namespace heli
