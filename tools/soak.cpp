// soak: plays the game headless and silent for a long time on random input and
// watches its memory.
//
//   soak [--ticks N] [--seed N] [--data FOLDER] [--warmup N] [--max-growth-mb MB]
//        [--no-memory-check]
//
// Every main tick gets random input: the assigned keys held and released, Escape,
// mouse moves and clicks (never on the menu's end button), the focus lost and
// regained, a joystick plugged, moved and pulled out. Now and then a level is
// started directly or marked done, and the save file is rewritten with good and bad
// contents, so that every screen, every level and the level changes all run. The
// timers are driven as the program's own loop drives them.
//
// The game runs in a temporary working folder holding a copy of the level files
// (from --data, else the data/ folder of the build). The resident set size is
// sampled every 10,000 ticks, each time right after starting level 1 and handing
// the allocator's free memory back, so that the samples compare; the run fails
// (exit 1) when it grows by more than --max-growth-mb (default 4) after the first
// --warmup ticks (default 100,000), or when the game throws.
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "shell/commands.h"
#include "shell/form.h"
#include "shell/level_flow.h"
#include "shell/main_window.h"
#include "shell/save_file.h"
#include "shell/step.h"
#include "shell/timers.h"

namespace fs = std::filesystem;

namespace {

struct Options {
  std::int64_t ticks = 1'000'000;
  std::uint32_t seed = 1;
  std::string data;
  std::int64_t warmup = 100'000;
  double max_growth_mb = 4;
  bool memory_check = true;
};

constexpr std::int64_t kSampleEvery = 10'000;

enum Screen { kIntro, kMenu, kLevelStart, kPlay, kMap, kHelp, kCrash, kScreenCount };
constexpr const char* kScreenNames[kScreenCount] = {"intro", "menu", "level start", "play",
                                                    "map",   "help", "crash"};

Screen ScreenOf(const heli::TForm1& g) {
  if (g.intro_running) return kIntro;
  if (g.in_menu) return kMenu;
  if (g.level_intro) return kLevelStart;
  if (g.crashed) return kCrash;
  if (g.map_shown) return kMap;
  if (g.help_shown) return kHelp;
  return kPlay;
}

double ResidentMb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

fs::path FindData(const std::string& given) {
  if (!given.empty()) return given;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  for (const fs::path& p : {exe.parent_path() / "data", exe.parent_path().parent_path() / "data"})
    if (fs::is_regular_file(p / "lev1.lta")) return p;
  return {};
}

bool ParseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw std::invalid_argument(a + " needs a value");
      return argv[++i];
    };
    if (a == "--ticks")
      o.ticks = std::stoll(value());
    else if (a == "--seed")
      o.seed = static_cast<std::uint32_t>(std::stoul(value()));
    else if (a == "--data")
      o.data = value();
    else if (a == "--warmup")
      o.warmup = std::stoll(value());
    else if (a == "--max-growth-mb")
      o.max_growth_mb = std::stod(value());
    else if (a == "--no-memory-check")
      o.memory_check = false;
    else
      return false;
  }
  return o.ticks > 0 && o.warmup >= 0;
}

class Soak {
 public:
  Soak(heli::TForm1& g, std::uint32_t seed) : g_(g), rng_(seed) {
    std::set<int> keys;
    for (const auto& state : g.DXInput1.KeyAssignments())
      for (int k : state)
        if (k > 0) keys.insert(k);
    keys_.assign(keys.begin(), keys.end());
  }

  // The input of one tick, before it runs.
  void Input(std::int64_t tick) {
    const Screen screen = ScreenOf(g_);
    if (Chance(40)) ToggleKey();
    if (Chance(600)) ReleaseAll();
    const int escape_odds[kScreenCount] = {400, 200, 60, 1500, 100, 100, 400};
    if (Chance(escape_odds[screen])) Press(heli::VK_ESCAPE);
    if (Chance(30)) heli::m_move(g_, Uniform(-20, 820), Uniform(-20, 620));
    if (screen == kMenu && Chance(20)) {
      // Into one of the menu's buttons; the end button's band too, but never clicked.
      const int bands[] = {100, 230, 360, 490};
      heli::m_move(g_, Uniform(0, 799), bands[Uniform(0, 3)] + Uniform(-60, 60));
    }
    if (Chance(screen == kMenu ? 40 : 300)) Click();
    Focus(tick);
    if (Chance(2000)) {
      const bool present = !Chance(3);
      g_.DXInput1.SetTestJoystick(present, Uniform(-32768, 32767), Uniform(-32768, 32767),
                                  static_cast<std::uint32_t>(rng_()));
      ++joystick_changes;
    }
    if (Chance(5000)) g_.DXInput1.DevicesChanged();
    if (Chance(8000)) WriteSave();
    if (Chance(3000)) {
      const int level = Uniform(1, 9);
      if (heli::StartAtLevel(g_, level)) ++forced_starts;
    }
    if (!g_.intro_running && !g_.in_menu && !g_.level_intro && Chance(2500)) {
      if (g_.level_done == 0) ++forced_done;
      g_.level_done = 1;
    }
  }

  std::int64_t clicks = 0, skipped_clicks = 0, presses = 0, focus_losses = 0;
  std::int64_t joystick_changes = 0, save_writes = 0, forced_starts = 0, forced_done = 0;

 private:
  bool Chance(int odds) { return std::uniform_int_distribution<int>(1, odds)(rng_) == 1; }
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  void Press(int key) {
    heli::down(g_, static_cast<std::uint16_t>(key));
    ++presses;
  }
  void ToggleKey() {
    if (keys_.empty()) return;
    const int key = keys_[static_cast<std::size_t>(Uniform(0, static_cast<int>(keys_.size()) - 1))];
    if (held_.erase(key)) {
      g_.DXInput1.KeyUp(key);
    } else {
      held_.insert(key);
      g_.DXInput1.KeyDown(key);
      Press(key);
    }
  }
  void ReleaseAll() {
    for (int k : held_) g_.DXInput1.KeyUp(k);
    held_.clear();
  }
  void Click() {
    // The end button closes the window, which ends the program.
    if (g_.in_menu && g_.menu_item == 24) {
      ++skipped_clicks;
      return;
    }
    heli::klik(g_);
    ++clicks;
  }
  void Focus(std::int64_t tick) {
    if (refocus_at_) {
      if (tick >= *refocus_at_) {
        g_.DXInput1.SetActive(true);
        g_.DXSound1.SetFocus(true);
        refocus_at_.reset();
      }
      return;
    }
    if (Chance(3000)) {
      g_.DXInput1.SetActive(false);
      g_.DXSound1.SetFocus(false);
      held_.clear();  // the input forgets held keys with the focus
      refocus_at_ = tick + Uniform(1, 200);
      ++focus_losses;
    }
  }
  void WriteSave() {
    ++save_writes;
    const int kind = Uniform(0, 3);
    if (kind == 0) {
      std::error_code ec;
      fs::remove(heli::kSaveFileName, ec);
      return;
    }
    std::ofstream out(heli::kSaveFileName, std::ios::binary | std::ios::trunc);
    if (kind == 1) return;  // empty
    out.put(static_cast<char>(kind == 2 ? Uniform(1, 9) : Uniform(0, 255)));
  }

  heli::TForm1& g_;
  std::mt19937 rng_;
  std::vector<int> keys_;
  std::set<int> held_;
  std::optional<std::int64_t> refocus_at_;
};

class TempFolder {
 public:
  explicit TempFolder(const fs::path& data) : previous_(fs::current_path()) {
    std::string name = (fs::temp_directory_path() / "heli-soak-XXXXXX").string();
    if (!mkdtemp(name.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = name;
    fs::create_directories(path_ / "data");
    for (const auto& entry : fs::directory_iterator(data))
      if (entry.path().extension() == ".lta")
        fs::copy_file(entry.path(), path_ / "data" / entry.path().filename());
    fs::current_path(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

 private:
  fs::path previous_, path_;
};

int Run(const Options& o) {
  const fs::path data = FindData(o.data);
  if (data.empty() || !fs::is_regular_file(data / "lev1.lta")) {
    std::fprintf(stderr, "soak: no level files (give --data FOLDER)\n");
    return 2;
  }
  TempFolder folder(data);

  auto form = std::make_unique<heli::TForm1>();
  heli::TForm1& g = *form;
  g.session_seed = o.seed;
  heli::FormOptions fo;
  fo.display.headless = true;
  fo.sound = false;
  heli::LoadForm(g, fo);
  heli::create(g);

  Soak soak(g, o.seed);
  g.clock = heli::TickClock(60);
  std::array<std::int64_t, kScreenCount> screen_ticks{}, screen_entries{};
  std::map<int, std::int64_t> level_starts, level_play_ticks;
  std::int64_t completions = 0, reopened = 0, cass_firings = 0, sample_starts = 0;
  std::optional<Screen> last_screen;
  bool last_level_intro = false;
  std::vector<std::pair<std::int64_t, double>> samples;
  double baseline = 0, peak_after = 0;
  bool have_baseline = false, level_done_seen = false;
  const auto started = std::chrono::steady_clock::now();

  for (std::int64_t tick = 0; tick < o.ticks; ++tick) {
    Screen screen = kIntro;
    const heli::StepResult result = heli::Step(g, [&] {
      soak.Input(tick);
      if (g.closed) {  // cannot happen (the end button is never clicked); go on regardless
        g.closed = false;
        ++reopened;
      }
      screen = ScreenOf(g);
      return true;
    });
    cass_firings += result.cass_firings;
    ++screen_ticks[screen];
    if (screen != last_screen) ++screen_entries[screen];
    last_screen = screen;
    if (screen == kPlay || screen == kMap || screen == kHelp || screen == kCrash)
      ++level_play_ticks[g.level];

    // The game's own completions: the world's step sets level_done during a play tick.
    if (g.level_done && !level_done_seen) ++completions;
    level_done_seen = g.level_done != 0;
    if (g.level_intro && !last_level_intro) ++level_starts[g.level];
    last_level_intro = g.level_intro != 0;

    if ((tick + 1) % kSampleEvery == 0) {
      // The resident set depends on which level's pictures are loaded; the samples
      // are taken with the same level freshly started, so that they compare.
      heli::StartAtLevel(g, 1);
      ++sample_starts;
      // Free memory the allocator keeps for later is no growth of the game's own.
      malloc_trim(0);
      const double rss = ResidentMb();
      samples.emplace_back(tick + 1, rss);
      if (tick + 1 >= o.warmup && !have_baseline) {
        baseline = peak_after = rss;
        have_baseline = true;
      } else if (have_baseline) {
        peak_after = std::max(peak_after, rss);
      }
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const double end_rss = ResidentMb();

  std::printf("soak: %lld ticks in %.1f s (%.0f ticks/s), seed %u\n",
              static_cast<long long>(o.ticks), seconds, static_cast<double>(o.ticks) / seconds,
              o.seed);
  std::printf(
      "input: %lld key presses, %lld clicks (%lld on the end button skipped), "
      "%lld focus losses, %lld joystick changes, %lld save file writes\n",
      static_cast<long long>(soak.presses), static_cast<long long>(soak.clicks),
      static_cast<long long>(soak.skipped_clicks), static_cast<long long>(soak.focus_losses),
      static_cast<long long>(soak.joystick_changes), static_cast<long long>(soak.save_writes));
  std::printf(
      "level changes: %lld started directly (and %lld for the memory samples), %lld marked "
      "done, %lld completed in play, %lld 2-second ticks, %lld closes undone\n",
      static_cast<long long>(soak.forced_starts), static_cast<long long>(sample_starts),
      static_cast<long long>(soak.forced_done), static_cast<long long>(completions),
      static_cast<long long>(cass_firings), static_cast<long long>(reopened));
  for (int s = 0; s < kScreenCount; ++s)
    std::printf("screen %-11s %7lld visits %9lld ticks\n", kScreenNames[s],
                static_cast<long long>(screen_entries[static_cast<std::size_t>(s)]),
                static_cast<long long>(screen_ticks[static_cast<std::size_t>(s)]));
  for (int level = 1; level <= 9; ++level)
    std::printf("level %d: %5lld start screens %9lld ticks in play\n", level,
                static_cast<long long>(level_starts[level]),
                static_cast<long long>(level_play_ticks[level]));
  for (const auto& [at, level] : level_play_ticks)
    if (at < 1 || at > 9)
      std::printf("level %d (out of range): %lld ticks\n", at, static_cast<long long>(level));
  std::printf("memory: RSS");
  for (const auto& [at, rss] : samples)
    if (at % (o.ticks >= 500'000 ? 100'000 : kSampleEvery) == 0)
      std::printf(" %lldk=%.1f", static_cast<long long>(at / 1000), rss);
  std::printf(" end=%.1f MB\n", end_rss);

  bool failed = false;
  for (const auto& [at, level] : level_play_ticks)
    if (at < 1 || at > 9) failed = true;
  if (failed) std::printf("soak: FAILED: play ran on a level outside 1 .. 9\n");
  if (o.memory_check && have_baseline) {
    const double growth = peak_after - baseline;
    std::printf(
        "memory: %.1f MB after %lld ticks, at most %.1f MB later: growth %.1f MB "
        "(limit %.1f)\n",
        baseline, static_cast<long long>(o.warmup), peak_after, growth, o.max_growth_mb);
    if (growth > o.max_growth_mb) {
      std::printf("soak: FAILED: the resident set grew by %.1f MB\n", growth);
      failed = true;
    }
  }
  return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  try {
    if (!ParseArgs(argc, argv, o)) {
      std::fprintf(stderr,
                   "usage: soak [--ticks N] [--seed N] [--data FOLDER] [--warmup N] "
                   "[--max-growth-mb MB] [--no-memory-check]\n");
      return 2;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "soak: %s\n", e.what());
    return 2;
  }
  try {
    return Run(o);
  } catch (const std::exception& e) {
    std::printf("soak: FAILED: %s\n", e.what());
    return 1;
  }
}
