#pragma once
// One tick of play, every step in its fixed order.

namespace heli {

struct TForm1;

void PlayTick(TForm1& g);

}  // namespace heli
