#pragma once
// The flight view: the sea, the sparkles, the tiles and the player's helicopter
// with its chair, drawn from the game state.
#include "game/state.h"
#include "view/painter.h"

namespace heli {

void DrawSea(const Painter& p, const Scene& s);
// The wave sparkles where they are now.
void DrawParticles(const Painter& p, const Scene& s);
// The map tiles in use (off-screen ones too; the draw clips them).
void DrawTiles(const Painter& p, const Scene& s);
// The spray under the rotor, only while the rotor runs fast and nothing crashed.
void DrawRotorWash(const Painter& p, const Scene& s);
// The helicopter's shadow and the rotor's shadow.
void DrawHelicopterShadow(const Painter& p, const Scene& s);
// The chair when it hangs out, its cable, and the warning while it is out.
void DrawChair(const Painter& p, const Scene& s);

// The helicopters' sprites as the flight view draws them: a body or its shadow
// 51 x 115 turning about (0.5, 0.3) of it, a rotor 98 x 98 about its middle.
constexpr int kBodyWidth = 51, kBodyHeight = 115, kRotorSize = 98;
constexpr double kBodyCentreX = 0.5, kBodyCentreY = 0.3;
// Works out ahead of play the helicopters' sprites that every tick turns (the
// rotors) at every angle.
void RememberHelicopterSprites(const Painter& p);
// Readies the chair's warning in its font and colours.
void PrepareChairWarning(media::Canvas& c);
// The body and the rotor.
void DrawHelicopterBody(const Painter& p, const Scene& s);

}  // namespace heli
