#include "shell/run.h"

#include <chrono>
#include <iostream>
#include <memory>

#include "media/error.h"
#include "media/keys.h"
#include "media/png_writer.h"
#include "shell/commands.h"
#include "shell/form.h"
#include "shell/main_window.h"
#include "shell/timers.h"

namespace heli {

namespace {

// Hands the window's events to the game's handlers.
class EventRouter : public media::EventSink {
 public:
  explicit EventRouter(TForm1& g) : g_(g) {}
  void OnKeyDown(int sym, bool repeat, bool) override {
    const int vk = media::VirtualKeyFromSdl(sym);
    if (vk == 0) return;
    if (!repeat) g_.DXInput1.KeyDown(vk);
    down(g_, static_cast<std::uint16_t>(vk));
  }
  void OnKeyUp(int sym) override {
    if (const int vk = media::VirtualKeyFromSdl(sym)) g_.DXInput1.KeyUp(vk);
  }
  void OnMouseMove(int x, int y) override { m_move(g_, x, y); }
  void OnClick() override { klik(g_); }
  void OnFocus(bool focused) override {
    g_.DXInput1.SetActive(focused);
    g_.DXSound1.SetFocus(focused);
  }
  void OnClose() override { g_.closed = true; }
  void OnDevicesChanged() override { g_.DXInput1.DevicesChanged(); }

 private:
  TForm1& g_;
};

std::uint32_t SeedFromWallClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace

int RunProgram(const Options& options) {
  auto form = std::make_unique<TForm1>();
  TForm1& g = *form;
  g.session_seed = options.seed ? *options.seed : SeedFromWallClock();

  FormOptions fo;
  fo.display.headless = options.headless;
  fo.display.mode = options.exclusive ? media::WindowMode::Exclusive
                    : options.window  ? media::WindowMode::Windowed
                                      : media::WindowMode::Desktop;
  fo.sound = !options.headless && !options.nosound;
  try {
    LoadForm(g, fo);
  } catch (const std::exception& e) {
    std::cerr << "heli-rescue: " << e.what() << "\n";
    return 1;
  }
  create(g);

  TickClock clock(options.tick_rate);
  EventRouter router(g);
  media::Window* window = g.DXDraw.window();
  const double period = 1.0 / clock.Rate();
  double start = media::WallSeconds();
  std::int64_t ticks = 0;

  while (!g.closed && (options.ticks < 0 || ticks < options.ticks)) {
    const std::int64_t step = clock.NextTickStep();
    if (window) {
      // Real time: wait for the tick's moment in whole milliseconds, taking the
      // window's events as they come.
      for (;;) {
        window->PumpEvents(router);
        clock.TrackCass(g.cass, step);
        const double wait = start + static_cast<double>(step) * period - media::WallSeconds();
        if (wait <= 0 || g.closed) {
          // A late tick runs once; the schedule moves on instead of catching up.
          if (wait < -period) start -= wait;
          break;
        }
        media::SleepSeconds(wait > 0.002 ? 0.001 : wait);
      }
      if (g.closed) break;
    }
    while (auto due = clock.CassDue(step)) {
      g.clock_ms = clock.MillisecondsAt(*due);
      cassTimer(g);
      clock.CassFired(g.cass);
    }
    g.clock_ms = clock.MillisecondsAt(step);
    Timer1Timer(g);
    ++ticks;
    clock.TickDone(g.Timer1.Interval);
    clock.TrackCass(g.cass, step);
  }

  if (!options.screenshot.empty() && !media::WritePng(g.DXDraw.Frame(), options.screenshot)) {
    std::cerr << "heli-rescue: cannot write " << options.screenshot << "\n";
    return 1;
  }
  return 0;
}

}  // namespace heli
