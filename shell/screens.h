#pragma once
// The full-screen screens besides play: the intro, the main menu, the level start screen.

namespace heli {

struct TForm1;

void IntroTick(TForm1& g);
void MenuTick(TForm1& g);
void LevelIntroTick(TForm1& g);

}  // namespace heli
