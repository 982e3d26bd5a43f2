#include "world/map_view.h"

#include "shell/form.h"

namespace heli {

void MapViewTick(TForm1&) {}

}  // namespace heli
