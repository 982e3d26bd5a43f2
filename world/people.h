#pragma once
// People waiting to be rescued, and unloading them at the base.

namespace heli {

struct TForm1;

// Scrolls the people, hoists one into the chair, lets them call, flee, fall or
// die, and keeps what the view shows of each.
void PeopleTick(TForm1& g);
// The stretcher trips at the base and the rescue counters.
void BaseUnloadTick(TForm1& g);

}  // namespace heli
