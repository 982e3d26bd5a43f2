// The play tick of a level-1 flight with people, tiles, objects and the other
// helicopters on screen, against one memcpy of a whole 800 x 600 x 2-byte frame.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "game/flight.h"
#include "shell/form.h"
#include "shell/level_flow.h"
#include "shell/main_window.h"
#include "view/between.h"
#include "view/flight_view.h"
#include "view/frame.h"

namespace {

std::unique_ptr<heli::TForm1> FlyingGame() {
  auto g = std::make_unique<heli::TForm1>();
  g->session_seed = 1;
  heli::FormOptions options;
  options.display.headless = true;
  options.sound = false;
  heli::LoadForm(*g, options);
  heli::create(*g);
  heli::StartAtLevel(*g, 1);  // needs data/ in the working folder
  // Move the world so that the island with the first people lies under the
  // helicopter (the next tick applies the scroll to every record), then circle
  // there at speed so that everything on screen moves.
  heli::Timer1Timer(*g);
  const heli::WorldObject& camp = g->objects.At(17);
  g->scroll_dx = -camp.x + 60;
  g->scroll_dy = camp.y - 40;
  g->DXInput1.KeyDown(65);  // A: faster
  g->DXInput1.KeyDown(39);  // Right: keep turning
  for (int i = 0; i < 60; ++i) heli::Timer1Timer(*g);
  return g;
}

void BM_FrameMemcpy(benchmark::State& state) {
  std::vector<std::uint8_t> a(800 * 600 * 2, 1), b(800 * 600 * 2);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size());
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameMemcpy);

void BM_PlayTick(benchmark::State& state) {
  auto g = FlyingGame();
  for (auto _ : state) {
    g->gpalivo.Width = 150;  // never run dry during a long measurement
    heli::Timer1Timer(*g);
    if (g->crashed || g->in_menu) state.SkipWithError("the flight ended");
  }
}
BENCHMARK(BM_PlayTick);

// The player's helicopter alone: rotor wash, shadow and body with their rotors, as
// the rotor and the heading turn.
void BM_HelicopterSprites(benchmark::State& state) {
  auto g = FlyingGame();
  const heli::Painter p = g->Painter();
  for (auto _ : state) {
    g->rotor_angle = static_cast<heli::u8>(g->rotor_angle + 23);
    g->heading = static_cast<heli::u8>(g->heading + 1);
    heli::RotorWashTick(*g);
    g->CaptureScene(false);
    heli::DrawRotorWash(p, g->scene);
    heli::DrawHelicopterShadow(p, g->scene);
    heli::DrawHelicopterBody(p, g->scene);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_HelicopterSprites);

// The rotor wash alone, as it turns and grows through its sizes: drawn straight
// every tick, its shapes coming back only after thousands of ticks.
void BM_RotorWash(benchmark::State& state) {
  auto g = FlyingGame();
  const heli::Painter p = g->Painter();
  for (auto _ : state) {
    g->rotor_angle = static_cast<heli::u8>(g->rotor_angle + 25);
    heli::RotorWashTick(*g);
    g->CaptureScene(false);
    heli::DrawRotorWash(p, g->scene);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RotorWash);

// Presenting alone: the panels, rendered where they changed, laid over the picture.
void BM_Present(benchmark::State& state) {
  auto g = FlyingGame();
  for (auto _ : state) g->DXDraw.Present();
}
BENCHMARK(BM_Present);

// A tick's frame drawn again from its scene, against a frame between two ticks
// (the scene carried half way on): the latter must cost no more.
void BM_TickFrame(benchmark::State& state) {
  auto g = FlyingGame();
  for (auto _ : state) {
    heli::DrawPlayFrame(g->Painter(), *g);
    g->DXDraw.Present();
  }
}
BENCHMARK(BM_TickFrame);

void BM_FrameBetween(benchmark::State& state) {
  auto g = FlyingGame();
  for (auto _ : state) {
    heli::DrawFrameBetween(g->Painter(), *g, 0.5);
    g->DXDraw.Present();
  }
}
BENCHMARK(BM_FrameBetween);

void BM_StartUpToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    auto g = std::make_unique<heli::TForm1>();
    heli::FormOptions options;
    options.display.headless = true;
    options.sound = false;
    heli::LoadForm(*g, options);
    heli::create(*g);
    heli::Timer1Timer(*g);
    benchmark::DoNotOptimize(g->DXDraw.PresentCount());
  }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
