#include "levels/layout.h"

#include "shell/form.h"

namespace heli {

void LayoutLevel(TForm1&) {}

void PlaceHelis(TForm1&) {}

}  // namespace heli
