#pragma once
// The other helicopters.

namespace heli {

struct TForm1;

// Engine sound, fuel drain, courses, turning and moving; in the flight view the
// rotors turn.
void HelisTick(TForm1& g);
// Clears the four course latches of helicopter record i (from 1).
void ClearHeliCourse(TForm1& g, int i);

}  // namespace heli
