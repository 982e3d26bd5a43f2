#pragma once
// The window's single-event handlers: a key pressed, a click, the mouse moved.
#include <cstdint>

namespace heli {

struct TForm1;

constexpr std::uint16_t VK_ESCAPE = 27;
constexpr std::uint16_t VK_RETURN = 13;

void down(TForm1& g, std::uint16_t key);
void klik(TForm1& g);
void m_move(TForm1& g, int x, int y);

}  // namespace heli
