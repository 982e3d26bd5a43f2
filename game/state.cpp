#include "game/state.h"

namespace heli {

i32 GameState::random(i32 n) {
  RandSeed = RandSeed * 134775813u + 1u;
  if (n <= 0) return 0;
  return static_cast<i32>((static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint64_t>(n)) >>
                          32);
}

void GameState::RandomizeFromClock() {
  RandSeed = session_seed ^ static_cast<u32>(static_cast<std::uint64_t>(clock_ms));
}

}  // namespace heli
