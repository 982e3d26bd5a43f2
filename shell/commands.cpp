#include "shell/commands.h"

#include "shell/form.h"

namespace heli {

void down(TForm1&, std::uint16_t) {}

void klik(TForm1&) {}

void m_move(TForm1& g, int x, int y) {
  g.mouse_x = x;
  g.mouse_y = y;
}

}  // namespace heli
