#include "world/helis.h"

#include "shell/form.h"

namespace heli {

void HelisTick(TForm1&) {}

}  // namespace heli
