#pragma once
// One tick of play: the input polled, the rules' tick, the frame drawn and shown.

namespace heli {

struct TForm1;

void PlayTick(TForm1& g);

}  // namespace heli
