#pragma once
// The looped sound bed of play: started together when play starts or resumes from
// the menu, faded by volume during play, stopped when the player leaves for the menu.

namespace heli {

struct GameState;

void StartLevelSounds(GameState& g);
void StopGameSounds(GameState& g);

}  // namespace heli
