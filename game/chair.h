#pragma once
// Rescue chair: its key, its per-tick movement and limits, and its drawing.

namespace heli {

struct TForm1;

// The chair key (stButton5), once per tick while held.
void ChairKey(TForm1& g);
// Pays the cable out or winds it in and draws the chair, the cable and the warning.
void ChairTick(TForm1& g);

}  // namespace heli
