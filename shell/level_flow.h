#pragma once
// The level flow: starting a level, the crash sequence and the menu's choices.

namespace heli {

struct TForm1;

void StartLevel(TForm1& g);
// One step of the crash sequence, at the end of every play tick while crashed.
void CrashTick(TForm1& g);

}  // namespace heli
