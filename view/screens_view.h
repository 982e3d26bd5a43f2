#pragma once
// The full-screen screens besides play: the intro, the main menu and the level
// start screen.
#include "game/state.h"
#include "view/painter.h"

namespace heli {

// The intro at its current tick (before the tick's rules move it on).
void DrawIntro(const Painter& p, const GameState& s);
// Readies the intro's texts in their font and colour.
void PrepareIntroTexts(media::Canvas& c);
// The menu's background, the lit button under the mouse, and a failure line.
void DrawMenu(const Painter& p, const GameState& s, const std::string& note);
void DrawLevelIntro(const Painter& p, const GameState& s);

}  // namespace heli
