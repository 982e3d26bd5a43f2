#pragma once
// Frames between two main ticks, for screens that refresh faster than the game
// ticks: the last tick's scene with what moves smoothly carried a fraction of the
// way on to the next tick. The rules never see these frames.
#include "game/state.h"
#include "view/painter.h"

namespace heli {

// The last tick's scene `f` (0 to 1) of the way to the next: every world record
// and sparkle moved by that share of the tick's scroll, the other helicopters
// also by that share of their own last move, and the heading, height, rotors and
// spin by that share of the turn the last tick left them to make. At 0 it is the
// tick's scene.
Scene SceneBetween(const GameState& g, double f);

// The play frame with SceneBetween(g, f) in place of the tick's scene; what does
// not move smoothly (the texts, the help, the clock) as the tick drew it.
void DrawFrameBetween(const Painter& p, const GameState& g, double f);

}  // namespace heli
