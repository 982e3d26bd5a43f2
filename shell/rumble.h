#pragma once
// The controller's rumble: what the player feels of the game's blows.
namespace heli {

struct TForm1;

// After a step: a short strong pulse when the helicopter is lost or the boat's
// shot hits it, a faint one for as long as a vortex holds it. Nothing when the
// player has turned rumble off.
void FollowRumble(TForm1& f);

}  // namespace heli
