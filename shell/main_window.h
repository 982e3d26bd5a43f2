#pragma once
// The main window's timer handlers and its create handler.

namespace heli {

struct TForm1;

void create(TForm1& g);
// The main tick: picks the screen of this tick and, during play, runs the whole frame.
void Timer1Timer(TForm1& g);
// The 2-second tick of the timed levels' clock.
void cassTimer(TForm1& g);

}  // namespace heli
