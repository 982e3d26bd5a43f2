#pragma once
// The other helicopters.
#include <cstdint>

namespace heli {

struct GameState;
struct Heli;

// Engine sound, fuel drain, courses, turning and moving; in the flight view the
// rotors turn.
void HelisTick(GameState& g);
// Clears the four course latches of helicopter record i (from 1).
void ClearHeliCourse(GameState& g, int i);
// How far the helicopter's own flight takes it on a tick: its pace along the
// heading it has reached.
void OwnMove(const Heli& h, std::int32_t& dx, std::int32_t& dy);

}  // namespace heli
