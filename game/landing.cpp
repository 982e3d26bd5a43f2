#include "game/landing.h"

#include "shell/form.h"

namespace heli {

void PadsTick(TForm1&) {}

void HazardsTick(TForm1&) {}

}  // namespace heli
