#pragma once
// A fresh headless, silent game for tests.
#include <memory>

#include "shell/form.h"
#include "shell/main_window.h"

namespace heli::testing {

inline std::unique_ptr<TForm1> NewGame(std::uint32_t seed = 1) {
  auto g = std::make_unique<TForm1>();
  g->session_seed = seed;
  FormOptions options;
  options.display.headless = true;
  options.sound = false;
  LoadForm(*g, options);
  create(*g);
  return g;
}

// Leaves the screens behind, so that the next main tick is a play tick.
inline void EnterPlay(TForm1& g) {
  g.intro_running = 0;
  g.in_menu = 0;
  g.level_intro = 0;
}

}  // namespace heli::testing
