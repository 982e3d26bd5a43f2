#pragma once
// A fresh game state for the rules' own tests: no window, no display, no sound.
#include <cstdint>
#include <memory>

#include "game/reset.h"
#include "game/state.h"

namespace heli::testing {

inline std::unique_ptr<GameState> NewGame(std::uint32_t seed = 1) {
  auto g = std::make_unique<GameState>();
  g->session_seed = seed;
  InitialState(*g);
  return g;
}

// Leaves the screens behind, as play has them.
inline void EnterPlay(GameState& g) {
  g.intro_running = 0;
  g.in_menu = 0;
  g.level_intro = 0;
}

}  // namespace heli::testing
