#include "game/scenery.h"

#include "shell/form.h"

namespace heli {

void ParticlesTick(TForm1&) {}

void TilesTick(TForm1&) {}

}  // namespace heli
