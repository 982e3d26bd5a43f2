#pragma once
// The full-screen map with its marks.
#include "game/state.h"
#include "view/painter.h"

namespace heli {

void DrawMap(const Painter& p, const Scene& s);

}  // namespace heli
