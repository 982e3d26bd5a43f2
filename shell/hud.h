#pragma once
// What the play tick writes over the picture and into the window's widgets: the
// help and map keys, the head icons, the text overlay and the mission clock.

namespace heli {

struct TForm1;

// stButton6 (help picture) and stButton7 (map screen), sharing one key lock.
void HelpAndMapKeys(TForm1& g);
void UpdateHeadIcons(TForm1& g);
// "F1  Help" and the blinking vortex warning.
void TextOverlay(TForm1& g);
void DrawClock(TForm1& g);

}  // namespace heli
