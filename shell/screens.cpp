#include "shell/screens.h"

#include "shell/form.h"

namespace heli {

void IntroTick(TForm1&) {}

void MenuTick(TForm1&) {}

void LevelIntroTick(TForm1&) {}

}  // namespace heli
