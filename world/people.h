#pragma once
// People waiting to be rescued, and unloading them at the base.

namespace heli {

struct TForm1;

// Scrolls the people, hoists one into the chair, draws them.
void PeopleTick(TForm1& g);
// The stretcher trips at the base and the rescue counters.
void BaseUnloadTick(TForm1& g);

}  // namespace heli
