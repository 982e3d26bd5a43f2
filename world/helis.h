#pragma once
// The other helicopters.

namespace heli {

struct TForm1;

// Engine sound, fuel drain, courses, turning, moving and drawing.
void HelisTick(TForm1& g);

}  // namespace heli
