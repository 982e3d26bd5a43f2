#include "game/flight.h"

#include "shell/form.h"

namespace heli {

void ApplyFlightControls(TForm1&) {}

void ComputeScroll(TForm1&) {}

void UpdateFlightLimits(TForm1&) {}

void DrawRotorWash(TForm1&) {}

void DrawHelicopterShadow(TForm1&) {}

void DrawHelicopterBody(TForm1&) {}

}  // namespace heli
