#pragma once
// The nine level layouts.

namespace heli {

struct GameState;

// Lays out the level named by level; shows its number in clevel.
void LayoutLevel(GameState& g);
// Gives the other helicopters their random start positions.
void PlaceHelis(GameState& g);

}  // namespace heli
