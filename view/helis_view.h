#pragma once
// The other helicopters in the flight view.
#include "game/state.h"
#include "view/painter.h"

namespace heli {

void DrawHelis(const Painter& p, const Scene& s);

}  // namespace heli
