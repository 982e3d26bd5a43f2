#pragma once
// The nine level layouts.

namespace heli {

struct TForm1;

// Lays out the level named by level; shows its number in clevel.
void LayoutLevel(TForm1& g);
// Gives the other helicopters their random start positions.
void PlaceHelis(TForm1& g);

}  // namespace heli
