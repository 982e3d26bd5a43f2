#include "world/objects.h"

#include "shell/form.h"

namespace heli {

void ObjectsTick(TForm1&) {}

}  // namespace heli
