#include "shell/run.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <set>
#include <vector>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include "media/keys.h"
#include "media/png_writer.h"
#include "shell/commands.h"
#include "shell/demo.h"
#include "shell/folders.h"
#include "shell/form.h"
#include "shell/language.h"
#include "shell/level_flow.h"
#include "shell/main_window.h"
#include "shell/save_file.h"
#include "shell/settings.h"
#include "shell/smooth.h"
#include "shell/state_dump.h"
#include "shell/step.h"
#include "shell/timers.h"
#include "shell/timing_report.h"

namespace heli {

namespace {

// A window event, kept until it is handed to the game just before the next main
// tick, so that a live game and its recording see their events at the same point.
struct WindowEvent {
  enum class Kind { KeyDown, KeyUp, Mouse, Click, Focus, DevicesChanged, Close } kind;
  int key = 0;  // virtual-key code
  bool repeat = false;
  int x = 0, y = 0;
  bool focused = false;
};

class EventQueue : public media::EventSink {
 public:
  void OnKeyDown(int sym, bool repeat, bool) override {
    if (const int vk = media::VirtualKeyFromSdl(sym))
      events.push_back({WindowEvent::Kind::KeyDown, vk, repeat});
  }
  void OnKeyUp(int sym) override {
    if (const int vk = media::VirtualKeyFromSdl(sym))
      events.push_back({WindowEvent::Kind::KeyUp, vk});
  }
  void OnMouseMove(int x, int y) override {
    events.push_back({WindowEvent::Kind::Mouse, 0, false, x, y});
  }
  void OnClick() override { events.push_back({WindowEvent::Kind::Click}); }
  void OnFocus(bool focused) override {
    events.push_back({WindowEvent::Kind::Focus, 0, false, 0, 0, focused});
  }
  void OnClose() override { closed = true; }
  void OnDevicesChanged() override { events.push_back({WindowEvent::Kind::DevicesChanged}); }
  // Taken by the window's own keys, never handed to the game.
  void OnScreenshotKey() override { screenshot_wanted = true; }

  std::vector<WindowEvent> events;
  bool closed = false;
  bool screenshot_wanted = false;
};

// Writes the live game's input as a demo: events as they reach the game, and the
// set of held keys whenever it changes.
class Recorder {
 public:
  Recorder(int rate, std::uint32_t seed) {
    demo_.rate = rate;
    demo_.seed = seed;
  }
  void Event(std::int64_t tick, const WindowEvent& e) {
    switch (e.kind) {
      case WindowEvent::Kind::KeyDown:
        if (DemoKeyName(e.key)) Add(tick, DemoEvent::Kind::Press, {e.key});
        if (!e.repeat) held_.insert(e.key);
        break;
      case WindowEvent::Kind::KeyUp:
        held_.erase(e.key);
        break;
      case WindowEvent::Kind::Mouse: {
        DemoEvent d{tick, DemoEvent::Kind::Mouse, {}, e.x, e.y};
        demo_.events.push_back(d);
        break;
      }
      case WindowEvent::Kind::Click:
        Add(tick, DemoEvent::Kind::Click, {});
        break;
      case WindowEvent::Kind::Focus:
        if (!e.focused) held_.clear();  // the input device forgets every key then
        break;
      default:
        break;
    }
  }
  // While a demo plays: what it delivers, so that its recording plays the same game.
  void Played(const DemoEvent& e) {
    if (e.kind == DemoEvent::Kind::Hold)
      played_ = std::set<int>(e.keys.begin(), e.keys.end());
    else if (e.kind != DemoEvent::Kind::End)
      demo_.events.push_back(e);
  }
  // The held keys are written as the states they give, each under the name of its
  // default key, so that the demo plays the same whatever keys are assigned.
  void BeforeTick(std::int64_t tick, const media::Input::Assignments& keys) {
    std::set<int> states_as_keys = played_;
    const auto& defaults = media::Input::DefaultAssignments();
    for (int n = 0; n < media::kInputStateCount; ++n)
      for (int k : keys[n])
        if (k && held_.count(k) && DemoHoldable(defaults[n][0]))
          states_as_keys.insert(defaults[n][0]);
    if (states_as_keys != recorded_) {
      Add(tick, DemoEvent::Kind::Hold,
          std::vector<int>(states_as_keys.begin(), states_as_keys.end()));
      recorded_ = states_as_keys;
    }
  }
  bool Write(const std::string& path, std::int64_t end_tick) {
    Add(end_tick, DemoEvent::Kind::End, {});
    std::ofstream out(path, std::ios::binary);
    out << FormatDemo(demo_);
    return static_cast<bool>(out);
  }

 private:
  void Add(std::int64_t tick, DemoEvent::Kind kind, std::vector<int> keys) {
    demo_.events.push_back(DemoEvent{tick, kind, std::move(keys)});
  }
  Demo demo_;
  std::set<int> held_;    // the player's keys
  std::set<int> played_;  // a demo's held states, by their default keys
  std::set<int> recorded_;
};

void Deliver(TForm1& g, const WindowEvent& e) {
  switch (e.kind) {
    case WindowEvent::Kind::KeyDown:
      if (!e.repeat) g.DXInput1.KeyDown(e.key);
      down(g, static_cast<std::uint16_t>(e.key));
      break;
    case WindowEvent::Kind::KeyUp:
      g.DXInput1.KeyUp(e.key);
      break;
    case WindowEvent::Kind::Mouse:
      m_move(g, e.x, e.y);
      break;
    case WindowEvent::Kind::Click:
      klik(g);
      break;
    case WindowEvent::Kind::Focus:
      g.DXInput1.SetActive(e.focused);
      g.DXSound1.SetFocus(e.focused);
      break;
    case WindowEvent::Kind::DevicesChanged:
      g.DXInput1.DevicesChanged();
      break;
    case WindowEvent::Kind::Close:
      g.closed = true;
      break;
  }
}

// Plays a demo's events into the game: held keys through the input device, key
// presses to the key handler, the mouse to the mouse handlers.
class Player {
 public:
  explicit Player(Demo demo) : demo_(std::move(demo)) {}
  // Delivers the events of this tick; false when the demo ends before it.
  bool Deliver(TForm1& g, std::int64_t tick, Recorder* recorder) {
    for (; next_ < demo_.events.size() && demo_.events[next_].tick <= tick; ++next_) {
      const DemoEvent& e = demo_.events[next_];
      if (recorder) recorder->Played(DemoEvent{tick, e.kind, e.keys, e.x, e.y});
      switch (e.kind) {
        case DemoEvent::Kind::Hold:
          // A demo holds input states, whatever keys the player has assigned.
          g.DXInput1.HoldStates(DemoStates(e.keys));
          break;
        case DemoEvent::Kind::Press:
          down(g, static_cast<std::uint16_t>(e.keys.at(0)));
          break;
        case DemoEvent::Kind::Mouse:
          m_move(g, e.x, e.y);
          break;
        case DemoEvent::Kind::Click:
          klik(g);
          break;
        case DemoEvent::Kind::End:
          return false;
      }
    }
    return true;
  }
  // Every event delivered: a demo without `end` has nothing more to play.
  bool Done() const { return next_ >= demo_.events.size(); }
  // Lets go of the keys the demo holds, so that only the player's own are held.
  void LetGo(TForm1& g, std::int64_t tick, Recorder* recorder) {
    g.DXInput1.HoldStates({});
    if (recorder) recorder->Played(DemoEvent{tick, DemoEvent::Kind::Hold, {}});
  }

 private:
  Demo demo_;
  std::size_t next_ = 0;
};

volatile std::sig_atomic_t stop_signal = 0;

extern "C" void OnStopSignal(int sig) {
  stop_signal = sig;
}

// SIGINT and SIGTERM end the run before the next tick, so that the window, the
// sound and every file are closed as on any other ending. A signal the parent set
// to be ignored (a script's background job) stays ignored.
void CatchStopSignals() {
  for (int sig : {SIGINT, SIGTERM}) {
    struct sigaction old {};
    if (sigaction(sig, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(sig, &action, nullptr);
  }
}

std::uint32_t SeedFromWallClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

// One run of the game, from the window's opening to its closing: the form, the
// demo, the recording and the measurements, advanced one main tick at a time by the
// program's loop (a real-time loop here, the browser's animation frames in a page).
struct Session {
  Options options;
  bool timing = false;
  std::unique_ptr<Player> player;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<std::ofstream> dump;
  std::unique_ptr<Recorder> recorder;
  EventQueue queue;
  media::Window* window = nullptr;
  double period = 0, start = 0;
  std::int64_t tick = 0;
  std::vector<std::int64_t> tick_ns;  // the timedemo's ticks, on the thread's processor clock
  std::vector<std::int64_t> copy_ns;  // the timedemo's frame copies
  double program_start = 0;
  double first_frame = 0;  // seconds from the start to the end of the first tick
  bool pause_in_background = false;
  std::vector<double> tick_starts;  // --tick-stats, with a window
  // Frames between the ticks: how many a second (0: one a tick), whether the
  // screen's retrace paces them, the next frame's number and (in a window) when it
  // is due, and for the measurements when each was presented and what it cost.
  int present_hz = 0;
  bool paced_by_retrace = false;
  bool smooth = true;
  std::int64_t next_frame = 0;
  double next_frame_at = 0;
  std::vector<double> frame_starts;      // --tick-stats, with a window
  std::vector<std::int64_t> between_ns;  // the timedemo's frames between the ticks
  std::clock_t cpu_start = 0;
  double busy_seconds = 0;  // in a page: the time its animation frames took (no processor clock)
  int exit_status = 0;

  // Opens the window and sets the game up; an exit status when it cannot start.
  std::optional<int> Start(const Options& given);
  // Another main tick is wanted.
  bool Running() const {
    return !form->closed && !stop_signal && (options.ticks < 0 || tick < options.ticks);
  }
  // Seconds until the next main tick is due on the wall clock (late: below zero).
  double Wait() const {
    return start + static_cast<double>(form->clock.NextTickStep()) * period - media::WallSeconds();
  }
  // Runs the next main tick with its events; false when the run ends with it.
  bool Tick();
  // Headless: presents the frames due from the tick at `step` until the next tick,
  // each at its time on the game's clock.
  void PresentFramesUntilNextTick(std::int64_t step);
  // In a window or a page: the frame due now, between the last tick and the next
  // (which is `wait` seconds away); nothing when the last tick's frame must stay.
  void PresentFrameBetweenNow(double wait);
  // A frame was presented: its screenshot, and its time for --tick-stats.
  void FramePresented();
  // The frame last presented as a PNG; a failure sets the exit status.
  void WriteFrame(const std::string& file);
  // Writes what the run leaves behind; the exit status.
  int Finish();
};

std::optional<int> Session::Start(const Options& given) {
  // Half of the timedemo's frame copies before the demo and half after, so that
  // both see the machine as the ticks did; these before the start-up is timed.
  if (!given.timedemo.empty()) TimeFrameCopies(200, copy_ns);
  program_start = media::WallSeconds();
  options = given;
  timing = !options.timedemo.empty();
  if (timing) {
    options.play = options.timedemo;
#ifdef __EMSCRIPTEN__
    // A page has nothing headless: the frames go to its canvas, silently.
    options.nosound = true;
#else
    options.headless = true;
#endif
  }

  int rate = options.tick_rate;
  std::optional<std::uint32_t> seed = options.seed;
  if (!options.play.empty()) {
    try {
      Demo demo = LoadDemo(options.play);
      if (!options.tick_rate_given) rate = demo.rate;
      if (!seed) seed = demo.seed;
      player = std::make_unique<Player>(std::move(demo));
    } catch (const std::exception& e) {
      std::cerr << e.what() << "\n";
      return 2;
    }
  }

  form = std::make_unique<TForm1>();
  TForm1& g = *form;
  g.session_seed = seed ? *seed : SeedFromWallClock();

  // The player's settings; a run without a window reads only a file it is given,
  // so that tests and measurements never depend on them or write them.
  LoadedSettings loaded;
  if (!options.config.empty())
    loaded = LoadSettings(options.config);
  else if (!options.headless && !DefaultSettingsPath().empty())
    loaded = ReadOrCreateSettings(DefaultSettingsPath());
  for (const std::string& warning : loaded.warnings) std::cerr << warning << "\n";
  const Settings& settings = loaded.settings;
  // The language goes first: the pictures and the window's title depend on it.
  const Language language =
      ChooseLanguage(LanguageNamed(options.lang), settings.language,
                     [](const char* name) -> const char* { return std::getenv(name); });
  if (!UseLanguage(language, ProgramFolder()))
    std::cerr << "heli-rescue: the " << LanguageCode(language)
              << " catalogue (heli-rescue.mo) was not found; the game speaks Czech\n";

  FormOptions fo;
  fo.display.headless = options.headless;
  // The command line overrides the settings.
  fo.display.mode = options.exclusive    ? media::WindowMode::Exclusive
                    : options.window     ? media::WindowMode::Windowed
                    : options.fullscreen ? media::WindowMode::Desktop
                                         : settings.mode;
  fo.display.look = settings.look;
  fo.display.frame_rate = rate;
  fo.sound = !options.headless && !options.nosound && settings.sound;
  try {
    LoadForm(g, fo);
  } catch (const std::exception& e) {
    std::cerr << "heli-rescue: " << e.what() << "\n";
    return 1;
  }
  g.DXSound1.SetVolume(settings.volume);
  g.DXInput1.SetKeyAssignments(settings.keys);
  g.rumble_on = settings.rumble;
  pause_in_background = settings.pause_in_background;
  smooth = settings.smooth;
  create(g);
  // The level asked for cannot be played: it said why on stderr.
  if (options.level && !StartAtLevel(g, *options.level)) return 1;

  if (!options.dump.empty()) {
    dump = std::make_unique<std::ofstream>(options.dump, std::ios::binary);
    if (!*dump) {
      std::cerr << "heli-rescue: cannot write " << options.dump << "\n";
      return 1;
    }
  }
  if (!options.record.empty()) recorder = std::make_unique<Recorder>(rate, g.session_seed);

  g.clock = TickClock(rate);
  window = g.DXDraw.window();
  period = 1.0 / g.clock.Rate();
  // Frames between the ticks: at the rate asked for, else in a window at the
  // screen's refresh rate when its retrace paces the frames and is faster than
  // the ticks.
  present_hz = options.present_rate;
  if (window && !present_hz && smooth && window->VerticalSync() &&
      window->RefreshRate() > g.clock.Rate()) {
    present_hz = window->RefreshRate();
    paced_by_retrace = true;
  }
  start = media::WallSeconds();
  cpu_start = std::clock();
  return std::nullopt;
}

void Session::WriteFrame(const std::string& file) {
  if (media::WritePng(form->DXDraw.Frame(), file)) return;
  std::cerr << "heli-rescue: cannot write " << file << "\n";
  exit_status = 1;
}

void Session::FramePresented() {
  for (const auto& [at, file] : options.screenshots_frame)
    if (at == next_frame) WriteFrame(file);
  ++next_frame;
  if (window && options.tick_stats) frame_starts.push_back(media::WallSeconds());
}

void Session::PresentFramesUntilNextTick(std::int64_t step) {
  TForm1& g = *form;
  // Frame F is due at F / HZ seconds, tick step S at S / rate: compared in whole
  // numbers, F * rate against S * HZ.
  const std::int64_t rate = g.clock.Rate(), hz = present_hz;
  const std::int64_t next = g.clock.NextTickStep();
  const bool between = CanPresentBetween(g);
  for (; next_frame * rate < next * hz;) {
    const std::int64_t after = next_frame * rate - step * hz;  // in 1 / (rate * HZ) s
    if (after > 0 && between) {
      const double before = timing ? ThreadSeconds() : 0;
      // The share of a tick's step that has passed since the tick.
      PresentBetween(g, static_cast<double>(after) / static_cast<double>(hz));
      if (timing) between_ns.push_back(static_cast<std::int64_t>((ThreadSeconds() - before) * 1e9));
    }
    // Otherwise the frame is the tick's own, or the tick's frame stays up.
    FramePresented();
  }
}

void Session::PresentFrameBetweenNow(double wait) {
  const double now = media::WallSeconds();
  const double frame = 1.0 / present_hz;
  if (paced_by_retrace) {
    // Presenting waits for the retrace: the next frame is readied soon after it.
    next_frame_at = now + frame / 2;
  } else {
    next_frame_at += frame;
    if (next_frame_at < now - frame) next_frame_at = now + frame;  // fell behind: start again
  }
  // Nothing when the tick's own frame is less than half a frame away.
  if (wait < frame / 2 || !CanPresentBetween(*form)) return;
  PresentBetween(*form, std::clamp(1.0 - wait / period, 0.0, 1.0));
  FramePresented();
}

bool Session::Tick() {
  TForm1& g = *form;
  const std::int64_t step = g.clock.NextTickStep();
  const double before = timing ? ThreadSeconds() : 0;
  const bool ticked = Step(g, [&] {
                        if (player) {
                          if (!player->Deliver(g, tick, recorder.get())) return false;
                          queue.events.clear();  // the demo plays alone; the window only shows it
                        } else {
                          for (const WindowEvent& e : queue.events) {
                            if (recorder) recorder->Event(tick, e);
                            Deliver(g, e);
                          }
                          queue.events.clear();
                        }
                        if (recorder) recorder->BeforeTick(tick, g.DXInput1.KeyAssignments());
                        return true;
                      }).ticked;
  if (!ticked) return false;
  if (timing) {
    tick_ns.push_back(static_cast<std::int64_t>((ThreadSeconds() - before) * 1e9));
    if (tick == 0) first_frame = media::WallSeconds() - program_start;
  }

  if (dump && tick % options.dump_every == 0) *dump << DumpState(g, tick) << '\n';
  for (const auto& [at, file] : options.screenshots_at)
    if (at == tick) WriteFrame(file);
  if (present_hz > 0) {
    if (window) {
      FramePresented();  // the tick's own frame
      // The next frame: soon after the retrace this one waited for, or one frame
      // after the tick's own time on the tick's schedule.
      next_frame_at = paced_by_retrace
                          ? media::WallSeconds() + 0.5 / present_hz
                          : start + static_cast<double>(step) * period + 1.0 / present_hz;
    } else {
      PresentFramesUntilNextTick(step);
    }
  }
  // F12: the frame just shown, into the save folder.
  if (queue.screenshot_wanted) {
    queue.screenshot_wanted = false;
    const auto folder = SaveFolder().empty() ? std::filesystem::path(".") : SaveFolder();
    const auto file = NewScreenshotPath(folder, std::time(nullptr));
    if (media::WritePng(g.DXDraw.Frame(), file.string()))
      std::cerr << "heli-rescue: screenshot " << file.string() << "\n";
    else
      std::cerr << "heli-rescue: cannot write " << file.string() << "\n";
  }
  ++tick;
  // A demo without `end` stops with the tick of its last event; in a window the
  // player takes the controls over from the next tick on (a timed one just stops).
  if (player && player->Done()) {
    if (!window || timing) return false;
    player->LetGo(g, tick, recorder.get());
    player.reset();
  }
  return true;
}

int Session::Finish() {
  TForm1& g = *form;
  if (recorder && !recorder->Write(options.record, tick)) {
    std::cerr << "heli-rescue: cannot write " << options.record << "\n";
    exit_status = 1;
  }
  if (!options.screenshot.empty()) WriteFrame(options.screenshot);
  if (options.tick_stats) {
    if (window) {
#ifdef __EMSCRIPTEN__
      PrintTickStats("tick", tick_starts, busy_seconds, g.clock.Rate());
#else
      PrintTickStats("tick", tick_starts,
                     static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC,
                     g.clock.Rate());
#endif
      if (present_hz > 0) PrintTickStats("frame", frame_starts, -1, present_hz);
    } else {
      std::printf("tick stats: only a game in a window keeps time\n");
    }
  }
  if (timing) {
    TimeFrameCopies(200, copy_ns);
    PrintTimedemo(tick_ns, copy_ns, first_frame);
    if (!between_ns.empty()) PrintFramesBetween(between_ns, present_hz);
  }
  return exit_status;
}

#ifdef __EMSCRIPTEN__

// In a page the browser calls the loop once per animation frame; nothing may wait.
void WebFrame(void* data) {
  auto* s = static_cast<Session*>(data);
  const double began = media::WallSeconds();
  bool going = s->Running();
  s->window->PumpEvents(s->queue);
  if (s->queue.closed) going = false;
  if (s->timing) {
    // As fast as it can, a share of each animation frame at a time, so that the
    // page stays alive and shows the frames as they come.
    const double until = media::WallSeconds() + 0.012;
    while (going && (going = s->Tick()) && (going = s->Running()) && media::WallSeconds() < until) {
    }
  } else {
    // The same schedule as in a window: every tick that is due, a late one once.
    bool ticked = false;
    for (double wait; going && (wait = s->Wait()) <= 0; ticked = true) {
      if (wait < -s->period) s->start -= wait;
      if (s->options.tick_stats) s->tick_starts.push_back(media::WallSeconds());
      going = s->Tick() && s->Running();
    }
    // An animation frame without a tick (a screen faster than the game): the
    // flight view carried on to now.
    if (going && !ticked && s->smooth && CanPresentBetween(*s->form))
      PresentBetween(*s->form, std::clamp(1.0 - s->Wait() / s->period, 0.0, 1.0));
  }
  s->window->Flush();
  s->busy_seconds += media::WallSeconds() - began;
  if (going) return;
  emscripten_cancel_main_loop();
  const int status = s->Finish();
  std::fflush(nullptr);
  // The page may still want the last picture before the window goes.
  EM_ASM(
      {
        if (Module.heliEnded) Module.heliEnded($0);
      },
      status);
  delete s;
}

int RunGame(const Options& options) {
  auto session = std::make_unique<Session>();
  if (auto status = session->Start(options)) {
    EM_ASM(
        {
          if (Module.heliEnded) Module.heliEnded($0);
        },
        *status);
    return *status;
  }
  // A page always has its canvas (headless is for the native program's tests).
  if (!session->window) {
    std::cerr << "heli-rescue: the page has no headless mode\n";
    return 2;
  }
  emscripten_set_main_loop_arg(WebFrame, session.release(), 0, 0);
  return 0;
}

#else

int RunGame(const Options& options) {
  Session s;
  if (auto status = s.Start(options)) return *status;
  while (s.Running()) {
    if (s.window) {
      // Real time: wait for the tick's moment, sleeping in whole milliseconds and
      // taking the window's events as they come.
      for (;;) {
        s.window->PumpEvents(s.queue);
        // Paused in the background: the schedule waits with the game, silent.
        if (s.pause_in_background && !s.window->HasFocus() && !s.queue.closed && !stop_signal) {
          s.form->DXSound1.SetFocus(false);
          const double paused_at = media::WallSeconds();
          media::SleepSeconds(0.01);
          s.start += media::WallSeconds() - paused_at;
          continue;
        }
        const double wait = s.Wait();
        if (wait <= 0 || s.queue.closed || stop_signal) {
          // A late tick runs once; the schedule moves on instead of catching up.
          if (wait < -s.period) s.start -= wait;
          break;
        }
        // Frames between the ticks, each when it is due.
        double sleep = wait;
        if (s.present_hz > 0) {
          const double frame_wait = s.next_frame_at - media::WallSeconds();
          if (frame_wait <= 0) {
            s.PresentFrameBetweenNow(wait);
            continue;
          }
          sleep = std::min(sleep, frame_wait);
        }
        media::SleepSeconds(sleep > 0.002 ? 0.001 : sleep);
      }
      if (s.queue.closed || stop_signal) break;
      if (s.options.tick_stats) s.tick_starts.push_back(media::WallSeconds());
    }
    if (!s.Tick()) break;
  }
  return s.Finish();
}

#endif

}  // namespace

int RunProgram(const Options& options) {
  CatchStopSignals();
  const int status = RunGame(options);
#ifndef __EMSCRIPTEN__
  if (const int sig = stop_signal) {
    // Everything is closed: end by the signal itself, as the shell expects of a
    // program interrupted (status 128 + the signal's number).
    std::fflush(nullptr);
    std::cout.flush();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
    return 128 + sig;
  }
#endif
  return status;
}

}  // namespace heli
