#include "game/chair.h"

#include "shell/form.h"

namespace heli {

void ChairKey(TForm1&) {}

void ChairTick(TForm1&) {}

}  // namespace heli
