#pragma once
// The level flow: starting a level and its play, and the menu's choices.
#include <string>

namespace heli {

struct TForm1;

// Advances the level when the last one was completed (saving the level reached),
// reads the level's pictures into poz, resets the state, lays the level out and
// shows its start screen. When the level's picture file cannot be read none of
// that happens: the game goes back to the menu, which says why, and the result is
// false.
bool StartLevel(TForm1& g);
// Leaves the level start screen for play (Escape there).
void StartPlay(TForm1& g);
// Carries out the menu button named by menu_item (a click in the menu).
void MenuChoice(TForm1& g);
// A new game at level n (1 .. 9) straight into play: no intro, no start screen,
// and the save file is neither read nor written. False, with the menu shown, when
// the level's pictures cannot be read.
bool StartAtLevel(TForm1& g, int n);

// The level picture file with the number n in the data folder (by default data/
// in the working folder).
std::string LevelFilePath(int n);

}  // namespace heli
