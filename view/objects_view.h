#pragma once
// The world objects in the flight view: the fuel depot, the base with its lights,
// stretcher and flag, and the level's scenery.
#include "game/state.h"
#include "view/painter.h"

namespace heli {

void DrawObjects(const Painter& p, const Scene& s);

}  // namespace heli
