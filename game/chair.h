#pragma once
// Rescue chair: its key and its per-tick movement and limits.

namespace heli {

struct TForm1;

// The chair key (stButton5), once per tick while held.
void ChairKey(TForm1& g);
// Pays the cable out or winds it in, and sets the limits it imposes.
void ChairTick(TForm1& g);

}  // namespace heli
