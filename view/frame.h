#pragma once
// A play tick's whole frame, drawn from the state once the tick's rules have run:
// the flight view or the map as the tick's scene keeps them, then what is written
// over them.
#include "game/state.h"
#include "view/painter.h"

namespace heli {

void DrawFlightView(const Painter& p, const Scene& s);
void DrawPlayFrame(const Painter& p, const GameState& g);
// ... with another scene in place of the tick's (a frame between two ticks).
void DrawPlayFrame(const Painter& p, const GameState& g, const Scene& scene);
// Readies every text the frames write in its font and colour, and works out the
// rotors at every angle, so that no frame opens a font, renders a fixed text or
// works out a rotor's turn for the first time.
void PrepareFrames(const Painter& p);

}  // namespace heli
