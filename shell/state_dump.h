#pragma once
// One line of JSON with the whole game state after a main tick, under the game's
// own names, for tests and for comparing two runs of the same game.
#include <cstdint>
#include <string>

namespace heli {

struct TForm1;

std::string DumpState(const TForm1& g, std::int64_t tick);

}  // namespace heli
