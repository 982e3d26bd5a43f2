#include "shell/level_flow.h"

#include "shell/form.h"

namespace heli {

void StartLevel(TForm1&) {}

void CrashTick(TForm1&) {}

}  // namespace heli
