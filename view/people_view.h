#pragma once
// The people in the flight view, as the last tick showed them.
#include "game/state.h"
#include "view/painter.h"

namespace heli {

void DrawPeople(const Painter& p, const Scene& s);

}  // namespace heli
