#include "world/people.h"

#include "shell/form.h"

namespace heli {

void PeopleTick(TForm1&) {}

void BaseUnloadTick(TForm1&) {}

}  // namespace heli
