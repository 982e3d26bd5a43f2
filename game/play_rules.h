#pragma once
// One play tick of the rules, in the game's fixed order. It reads the input states
// of the last poll and changes only the game state, keeping in its scene what the
// frame shows (drawn afterwards by the view).
#include <functional>

namespace heli {

struct GameState;

// `start_next_level` runs where a completed level starts the next one: the level
// start reads the level's picture file, which only the program can do.
void PlayRules(GameState& g, const std::function<void()>& start_next_level);

}  // namespace heli
