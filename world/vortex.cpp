#include "world/vortex.h"

#include "shell/form.h"

namespace heli {

void DriftVortices(TForm1&) {}

void VortexEffectTick(TForm1&) {}

}  // namespace heli
