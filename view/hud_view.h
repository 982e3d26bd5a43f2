#pragma once
// What the play tick writes over the picture: "F1  Help" and the blinking vortex
// warning, the controls picture, the mission clock and the crash.
#include "game/state.h"
#include "view/painter.h"

namespace heli {

void DrawTextOverlay(const Painter& p, const GameState& s);
// Readies the overlay's texts in their fonts and colours.
void PrepareTextOverlay(media::Canvas& c);
void DrawHelp(const Painter& p, const GameState& s);
void DrawClock(const Painter& p, const GameState& s);
// The banner and the explosion of the crash step about to run.
void DrawCrash(const Painter& p, const Scene& s);

}  // namespace heli
