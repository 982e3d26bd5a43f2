// autopilot: plays the game in-process and writes what it did as a demo.
//
//   autopilot [--seed N] [--levels K] [--level N] [--stop-at T] [--max-ticks N]
//             [--seek heli|vortex] [--map] OUT.demo
//
// It starts a new game from the menu (or, with --level, straight into level N, as
// the program's own --level does: play the demo with the same option) and flies
// the rescue of K levels, or until the demo's tick T: to each
// waiting person with the chair down, four at a time to the base pad, idling there
// until the stretcher has carried everyone in, refuelling when the tank runs low,
// keeping high over tall objects and away from the vortex and the other
// helicopters. With --map it opens the map once a level on a long leg. It prints
// what each level took: ticks, people rescued, refuelling stops, and in level 6
// how far south of the helicopter the boat drifted. The game runs headless and
// silent with the clock and the order of the program's own loop, so the demo plays
// the same game through the program. Run it in a folder with data/ holding the
// level files (it writes uloz.dat there).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shell/commands.h"
#include "shell/demo.h"
#include "shell/form.h"
#include "shell/level_flow.h"
#include "shell/main_window.h"
#include "shell/step.h"
#include "shell/timers.h"

namespace {

using heli::TForm1;

constexpr int kUp = 38, kDown = 40, kLeft = 37, kRight = 39, kFaster = 65, kSlower = 90,
              kRotorUp = 33, kRotorDown = 34, kChair = 32, kEscape = 27, kMap = 77;

// How long the map stays open when the pilot looks at it, in main ticks.
constexpr int kMapTicks = 150;

// Safe above every tall object.
constexpr int kCruiseAltitude = 16;

struct Vec {
  double x = 0, y = 0;
};

// How far the helicopter moves in one tick at a heading and speed: the game's
// scroll vector turned round (the world moves, the helicopter stays).
Vec Motion(int heading, int s) {
  const int h = heading & 255;
  int dx = 0, dy = 0;  // scroll_dx, scroll_dy
  if (h <= 5)
    dx = 0, dy = -s;
  else if (h <= 15)
    dx = -(s / 3), dy = -s;
  else if (h <= 45)
    dx = -(s / 2), dy = -s;
  else if (h <= 56)
    dx = -s, dy = -(s / 2);
  else if (h <= 70)
    dx = -s, dy = 0;
  else if (h <= 85)
    dx = -s, dy = s / 3;
  else if (h <= 100)
    dx = -s, dy = s / 2;
  else if (h <= 112)
    dx = -(s / 2), dy = s;
  else if (h <= 132)
    dx = 0, dy = s;
  else if (h <= 145)
    dx = s / 3, dy = s;
  else if (h <= 160)
    dx = s / 2, dy = s;
  else if (h <= 175)
    dx = s, dy = s / 2;
  else if (h <= 185)
    dx = s, dy = s / 3;
  else if (h <= 193)
    dx = s, dy = 0;
  else if (h <= 210)
    dx = s, dy = -(s / 3);
  else if (h <= 226)
    dx = s, dy = -(s / 2);
  else if (h <= 243)
    dx = s / 2, dy = -s;
  else
    dx = s / 3, dy = -s;
  return {static_cast<double>(-dx), static_cast<double>(dy)};
}

struct Sector {
  int lo, hi;
};
constexpr Sector kSectors[] = {{0, 5},     {6, 15},    {16, 45},   {46, 56},   {57, 70},
                               {71, 85},   {86, 100},  {101, 112}, {113, 132}, {133, 145},
                               {146, 160}, {161, 175}, {176, 185}, {186, 193}, {194, 210},
                               {211, 226}, {227, 243}, {244, 255}};
// The pure axis sectors, and the headings aimed at inside them.
constexpr Sector kNorth{0, 5}, kEast{57, 70}, kSouth{113, 132}, kWest{186, 193};

bool InSector(int heading, Sector s, int margin = 1) {
  return heading >= s.lo + margin && heading <= s.hi - margin;
}

// Signed shortest turn from a heading to another, in steps.
int TurnBetween(int from, int to) {
  int d = (to - from) & 255;
  return d > 128 ? d - 256 : d;
}

int BrakingSpeed(double distance) {
  int s = 0;
  while ((s + 1) * (s + 2) / 2 <= distance) ++s;
  return s;
}

struct Box {  // exclusive bounds, world pixels
  double x0, y0, x1, y1;
  Vec Centre() const { return {(x0 + x1) / 2, (y0 + y1) / 2}; }
  Vec Slack(double margin) const {
    return {std::max(1.0, (x1 - x0) / 2 - margin), std::max(1.0, (y1 - y0) / 2 - margin)};
  }
};

// What the pilot wants for one tick.
struct Controls {
  std::set<int> held;
  std::vector<int> presses;
  std::optional<std::pair<int, int>> mouse;
  bool click = false;
};

class Pilot {
 public:
  explicit Pilot(TForm1& g) : g_(g) {}

  Controls Decide(std::int64_t tick) {
    c_ = Controls{};
    if (g_.intro_running) {
      if (tick >= 10) c_.presses.push_back(kEscape);
    } else if (g_.in_menu) {
      if (!pointed_) {
        c_.mouse = {{400, 100}};  // the band of the new-game button
        pointed_ = true;
      } else if (g_.menu_item == 21) {
        c_.click = true;
      }
    } else if (g_.level_intro) {
      if (levels_done_ >= levels_wanted_) {
        // A moment of the next start screen, ending where a dump of every 100th
        // tick still holds the last one.
        finished_ = ++intro_wait_ > 30 && tick % 100 == 1;
      } else if (++intro_wait_ >= 2) {
        c_.presses.push_back(kEscape);
        intro_wait_ = 0;
      }
    } else {
      far_cruise_ = false;
      ++play_ticks_;
      Fly();
      LookAtMap();
    }
    last_chair_ = c_.held.count(kChair) != 0;
    return c_;
  }

  void LevelCompleted() {
    ++levels_done_;
    map_seen_ = false;
    play_ticks_ = 0;
  }
  // Open the map once a level, for a while, on a long straight leg.
  void SetLookAtMap(bool on) { map_wanted_ = on; }
  // Instead of rescuing: fly to another helicopter (1) or to the vortex (2) and
  // stay with it, to show what it does to the helicopter.
  void SetSeek(int what) { seek_ = what; }
  void SetLevelsWanted(int n) { levels_wanted_ = n; }
  bool Finished() const { return finished_; }

 private:
  enum class Goal { Hoist, Base, Fuel };

  void Hold(int key) { c_.held.insert(key); }

  int Fuel() const { return g_.fuel; }

  // How far the people and the boat drift down the screen per tick (level 6).
  int Drift() const { return g_.level == 6 ? 3 : 0; }

  // People still to be hoisted: those endangered and not yet aboard.
  int StillNeeded() const { return g_.endangered - (4 - g_.free_seats); }

  std::vector<int> Waiting() const {
    std::vector<int> out;
    for (int i = 1; i <= g_.people_count; ++i) {
      const heli::Person& p = g_.people.At(i);
      if (p.aboard == 0 && p.doomed == 0) out.push_back(i);
    }
    return out;
  }

  // Level 4's clock stops after five rescues from the burning platform (its first
  // nine people): those come first.
  std::vector<int> Candidates() const {
    std::vector<int> all = Waiting(), platform;
    for (int i : all)
      if (i <= 9) platform.push_back(i);
    return g_.level == 4 && g_.clock_on && !platform.empty() ? platform : all;
  }

  Box BaseBox() const {
    const heli::WorldObject& o = g_.objects.At(3);
    const int w = g_.ostrovy.ImageWidth(o.image), h = g_.ostrovy.ImageHeight(o.image);
    return {o.x + 35.0, o.y + 50.0, o.x + w - 5.0, o.y + h - 10.0};
  }
  Box FuelBox() const {
    const heli::WorldObject& o = g_.objects.At(1);
    const int w = g_.ostrovy.ImageWidth(o.image), h = g_.ostrovy.ImageHeight(o.image);
    return {static_cast<double>(o.x), o.y + 40.0, static_cast<double>(o.x + w), o.y + h - 30.0};
  }

  // Where a point of the world will be once the scroll already decided is applied.
  Vec Next(Vec p) const { return {p.x + g_.scroll_dx, p.y - g_.scroll_dy}; }

  // Fuel a trip of this many pixels needs, with a margin for hoisting and the wind.
  static int FuelFor(double pixels, int speed) {
    return static_cast<int>(pixels / speed / 95) + 12;
  }

  double Distance(Vec a) const { return std::hypot(a.x, a.y); }

  Goal ChooseGoal() {
    const auto waiting = Waiting();
    const bool full = g_.free_seats == 0;
    const bool someone_aboard = g_.free_seats < 4;
    if (refuelling_) {
      if (Fuel() >= 150)
        refuelling_ = false;
      else
        return Goal::Fuel;
    }
    // Enough fuel for the next legs, or off to the depot first.
    const Vec base = BaseBox().Centre();
    const Vec fuel = FuelBox().Centre();
    double need_pixels = 0;
    if (!waiting.empty() && !full) {
      const heli::Person& p = g_.people.At(Nearest(Candidates()));
      need_pixels = Distance({p.x + 0.0, p.y + 0.0}) + Distance({base.x - p.x, base.y - p.y}) +
                    Distance({fuel.x - base.x, fuel.y - base.y});
    } else if (someone_aboard) {
      need_pixels = Distance(base) + Distance({fuel.x - base.x, fuel.y - base.y});
    }
    const bool standing_at_base = Standing() && g_.objects.At(3).landed_ok == 1;
    if (!(standing_at_base && someone_aboard) && Fuel() < FuelFor(need_pixels, 12)) {
      refuelling_ = true;
      return Goal::Fuel;
    }
    if (full || ((waiting.empty() || StillNeeded() <= 0) && someone_aboard)) return Goal::Base;
    if (standing_at_base && someone_aboard) return Goal::Base;
    return Goal::Hoist;
  }

  int Nearest(const std::vector<int>& people) const {
    int best = people.front();
    double best_d = 1e18;
    for (int i : people) {
      const heli::Person& p = g_.people.At(i);
      const double d = std::hypot(p.x, p.y);
      if (d < best_d) best_d = d, best = i;
    }
    return best;
  }

  bool Standing() const { return g_.altitude < 6; }

  // A vortex within this many map units on both axes, counted as the vortex counts.
  bool VortexWithin(int reach) const {
    const int p = static_cast<int>(g_.map_x), q = static_cast<int>(g_.map_y);
    for (int i = 1; i <= g_.vortex_count; ++i) {
      const heli::Vortex& v = g_.vortices.At(i);
      if (std::abs(p - static_cast<int>(v.mx)) < reach &&
          std::abs(q - static_cast<int>(v.my)) < reach)
        return true;
    }
    return false;
  }

  // A vortex or another helicopter too close; the direction to flee, if so.
  std::optional<Vec> Threat() const {
    for (int i = 1; i <= g_.vortex_count; ++i) {
      const heli::Vortex& v = g_.vortices.At(i);
      const double dx = g_.map_x - v.mx, dy = g_.map_y - v.my;
      if (std::abs(dx) < 66 && std::abs(dy) < 66) return Vec{dx, dy};
    }
    for (int i = 1; i <= g_.heli_count; ++i) {
      const heli::Heli& h = g_.helis.At(i);
      const double dx = g_.map_x - h.mx, dy = g_.map_y - h.my;
      if (std::abs(dx) < 9 && std::abs(dy) < 9) return Vec{dx, dy};
    }
    return std::nullopt;
  }

  // A point of the world (pixels, relative to the helicopter) too close to a
  // vortex or another helicopter to be worked at just now.
  bool Unsafe(Vec p, double vortex_reach) const {
    const double mx = g_.map_x + p.x / 100, my = g_.map_y + p.y / 100;
    for (int i = 1; i <= g_.vortex_count; ++i) {
      const heli::Vortex& v = g_.vortices.At(i);
      if (std::abs(mx - v.mx) < vortex_reach && std::abs(my - v.my) < vortex_reach) return true;
    }
    for (int i = 1; i <= g_.heli_count; ++i) {
      const heli::Heli& h = g_.helis.At(i);
      if (std::abs(mx - h.mx) < 8 && std::abs(my - h.my) < 8) return true;
    }
    return false;
  }

  // Where the thing sought is, in world pixels relative to the helicopter.
  Vec Sought() const {
    if (seek_ == 1) return {g_.helis.At(1).x + 0.0, g_.helis.At(1).y + 0.0};
    const heli::Vortex& v = g_.vortices.At(1);
    return {(v.mx - g_.map_x) * 100.0, (v.my - g_.map_y) * 100.0};
  }

  void Fly() {
    if (seek_ != 0) {
      const Vec d = Next(Sought());
      if (std::max(std::abs(d.x), std::abs(d.y)) > 150)
        Cruise(d, true);
      else
        Hover();
      Hold(kUp);  // the vortex pulls the helicopter down
      return;
    }
    Chair();
    const Goal goal = ChooseGoal();
    if (Standing()) {
      StandOrTakeOff(goal);
      return;
    }
    if (auto away = Threat(); away && !(goal != Goal::Hoist && Landing())) {
      Flee(*away);
      return;
    }
    switch (goal) {
      case Goal::Hoist: {
        const heli::Person& p = g_.people.At(Nearest(Candidates()));
        Vec target = Next({p.x + 1.5, p.y + 5.0});
        if (Drift() != 0) {
          target.y += Drift();  // the boat's drift in the same tick as the scroll
          if (std::max(std::abs(target.x), std::abs(target.y)) < 400) {
            Track(target);
            return;
          }
          // Aim where the boat will be by the time the helicopter gets there.
          target.y += Drift() * Distance(target) / 20;
        }
        if (Unsafe(target, 66)) {
          Hover();
          return;
        }
        want_chair_ = std::max(std::abs(target.x), std::abs(target.y)) < 220;
        Approach(target, {5, 8});
        break;
      }
      case Goal::Base:
        Land(BaseBox());
        break;
      case Goal::Fuel:
        Land(FuelBox());
        break;
    }
  }

  bool Landing() const { return descending_; }

  // Keeps station over a person on the drifting boat: nose down the screen at the
  // boat's own pace, leaning east or west to close the gap across, faster or
  // slower to close it along; the chair goes down once the gap is small.
  void Track(Vec r) {
    Climb(g_.chair_out ? 15 : kCruiseAltitude);
    want_chair_ = std::abs(r.x) < 40 && std::abs(r.y) < 40;
    Sector s = {113, 132};
    if (r.x > 3) s = {101, 112};   // drifting east, half the speed across
    if (r.x < -3) s = {146, 160};  // drifting west
    const bool aligned = TurnTo(s);
    const int top = g_.speed_max;
    int wanted = static_cast<int>(std::lround(Drift() + r.y / 8));
    wanted = std::clamp(wanted, std::abs(r.x) > 3 && aligned ? 2 : 0, top);
    if (!aligned && r.y < 0) wanted = std::min(wanted, Drift());
    if (g_.altitude < kCruiseAltitude && g_.chair_out == 0) wanted = 0;
    Speed(wanted);
  }

  void LookAtMap() {
    if (g_.map_shown) {
      if (++map_ticks_ >= kMapTicks) c_.presses.push_back(kEscape);
      return;
    }
    // Once the first trips are under way, so that the map has something to show.
    if (map_wanted_ && !map_seen_ && far_cruise_ && play_ticks_ > 1500 && g_.key_lock == 0 &&
        g_.help_shown == 0) {
      Hold(kMap);
      map_seen_ = true;
      map_ticks_ = 0;
    }
  }

  // The chair: down near a person, up again for the trip; a chair that was
  // loaded before it paid out two steps is paid out and wound in once more, or
  // it would keep its passenger's seat.
  void Chair() {
    const bool free_to_press = !last_chair_;
    const bool out = g_.chair_out == 1;
    bool press = false;
    if (g_.chair_loaded == 1) {
      if (!out && g_.chair_len < 2) press = true;  // stuck loaded: pay out again
      if (out && g_.chair_len > 3) press = true;   // then wind it in
    } else if (want_chair_ && g_.free_seats > 0 && g_.altitude >= 15) {
      if (!out && g_.chair_len < 2) press = true;
    } else if (!want_chair_ && out && g_.chair_len > 3) {
      press = true;
    }
    if (press && free_to_press) Hold(kChair);
    want_chair_ = false;
  }

  void Climb(int to) {
    if (g_.altitude < to) Hold(kUp);
    if (g_.rotor_rpm < 25 && g_.unloading == 0) Hold(kRotorUp);
  }

  void Speed(int wanted) {
    wanted = std::max(0, wanted);
    if (g_.speed < wanted) Hold(kFaster);
    if (g_.speed > wanted) Hold(kSlower);
  }

  // Turns towards a heading; true once inside the sector.
  bool TurnTo(Sector s) {
    if (InSector(g_.heading, s)) return true;
    const int centre = (s.lo + s.hi + 1) / 2;
    if (g_.altitude > 7) Hold(TurnBetween(g_.heading, centre) < 0 ? kLeft : kRight);
    return false;
  }

  void Hover() {
    Climb(kCruiseAltitude + 10);
    Speed(0);
  }

  void Flee(Vec away) {
    // Keep inside the map: turn the escape along an edge that is near.
    if (g_.map_x < -300 && away.x < 0) away.x = 0, away.y = away.y >= 0 ? 1 : -1;
    if (g_.map_x > 390 && away.x > 0) away.x = 0, away.y = away.y >= 0 ? 1 : -1;
    if (g_.map_y < -230 && away.y < 0) away.y = 0, away.x = away.x >= 0 ? 1 : -1;
    if (g_.map_y > 190 && away.y > 0) away.y = 0, away.x = away.x >= 0 ? 1 : -1;
    const double n = std::max(1e-6, std::hypot(away.x, away.y));
    Cruise({away.x / n * 3000, away.y / n * 3000}, /*brake=*/false);
  }

  // Heads for a point along the sector that points best at it.
  void Cruise(Vec d, bool brake) {
    Climb(g_.chair_out ? 15 : 50);
    far_cruise_ = std::max(std::abs(d.x), std::abs(d.y)) > 5000;
    int best = 0;
    double best_cos = -2;
    const double n = std::max(1e-6, std::hypot(d.x, d.y));
    for (int i = 0; i < static_cast<int>(std::size(kSectors)); ++i) {
      const Sector s = kSectors[i];
      const Vec m = Motion((s.lo + s.hi) / 2, 24);
      const double cos = (m.x * d.x + m.y * d.y) / (n * std::hypot(m.x, m.y));
      const bool current = g_.heading >= s.lo && g_.heading <= s.hi;
      if (cos > best_cos + (current ? -0.01 : 0.01)) best_cos = cos, best = i;
    }
    const bool aligned = TurnTo(kSectors[best]);
    const Vec m = Motion(g_.heading, 24);
    const double cos_now = (m.x * d.x + m.y * d.y) / (n * std::hypot(m.x, m.y));
    int wanted = brake ? BrakingSpeed(std::max(std::abs(d.x), std::abs(d.y))) : 99;
    if (!aligned && cos_now < 0.5) wanted = std::min(wanted, 3);
    if (g_.altitude < kCruiseAltitude && g_.chair_out == 0) wanted = 0;
    Speed(wanted);
  }

  // Brings the helicopter's point to within slack of d: straight there while far,
  // then one axis at a time with the pure axis headings.
  bool Approach(Vec d, Vec slack) {
    const double ax = std::abs(d.x), ay = std::abs(d.y);
    if (std::max(ax, ay) > 120) {
      Cruise(d, true);
      return false;
    }
    Climb(g_.chair_out ? 15 : kCruiseAltitude);
    const bool x_left = ax > slack.x, y_left = ay > slack.y;
    if (!x_left && !y_left) {
      Speed(0);
      return g_.speed == 0;
    }
    const Sector sx = d.x > 0 ? kEast : kWest;
    const Sector sy = d.y > 0 ? kSouth : kNorth;
    bool along_x;
    if (x_left && InSector(g_.heading, sx, 0))
      along_x = true;
    else if (y_left && InSector(g_.heading, sy, 0))
      along_x = false;
    else
      along_x = x_left;
    const bool aligned = TurnTo(along_x ? sx : sy);
    const double distance = along_x ? ax - slack.x / 2 : ay - slack.y / 2;
    int wanted = aligned ? std::max(1, BrakingSpeed(distance)) : 0;
    if (g_.altitude < kCruiseAltitude && g_.chair_out == 0) wanted = 0;
    Speed(wanted);
    return false;
  }

  // Into the pad's landing box, nose down the screen, then down and idle.
  void Land(const Box& box) {
    const Vec c = Next(box.Centre());
    if (!descending_) {
      if (!Approach(c, box.Slack(12))) return;
      if (Unsafe({0, 0}, 88)) {  // a vortex would throw the nose out of line
        Hover();
        return;
      }
      if (!TurnTo({124, 132})) {
        Speed(0);
        return;
      }
      descending_ = true;
    }
    Speed(0);
    Hold(kDown);
    Hold(kRotorDown);
  }

  // On a pad: idle until the people are carried in or the tank is full, then up.
  void StandOrTakeOff(Goal goal) {
    const bool on_base = g_.objects.At(3).landed_ok == 1;
    const bool on_fuel = g_.objects.At(1).landed_ok == 1;
    const bool stay = (goal == Goal::Base && on_base) || (goal == Goal::Fuel && on_fuel);
    // A vortex near the pad would throw the nose about and drag the helicopter back
    // into the water as it lifts off: wait on the ground until it has gone by.
    if (stay || VortexWithin(75)) {
      Hold(kRotorDown);
      Hold(kDown);
      return;
    }
    descending_ = false;
    Climb(kCruiseAltitude);
    Speed(0);
  }

  TForm1& g_;
  Controls c_;
  bool pointed_ = false;
  int intro_wait_ = 0;
  int levels_done_ = 0;
  int levels_wanted_ = 1;
  bool finished_ = false;
  bool want_chair_ = false;
  bool last_chair_ = false;
  bool descending_ = false;
  bool refuelling_ = false;
  int seek_ = 0;
  bool map_wanted_ = false;
  bool map_seen_ = false;
  bool far_cruise_ = false;
  int map_ticks_ = 0;
  int play_ticks_ = 0;
};

// Runs the game the way the program's loop does, and keeps a demo of the input.
class Session {
 public:
  Session(std::uint32_t seed, int start_level) {
    demo_.rate = 60;
    demo_.seed = seed;
    g_ = std::make_unique<TForm1>();
    g_->session_seed = seed;
    heli::FormOptions options;
    options.display.headless = true;
    options.sound = false;
    heli::LoadForm(*g_, options);
    heli::create(*g_);
    if (start_level) heli::StartAtLevel(*g_, start_level);
  }

  TForm1& game() { return *g_; }
  std::int64_t tick() const { return tick_; }

  void Step(const Controls& c) {
    heli::Step(*g_, [&] {
      // The same events, in the same order, as a demo line would deliver them.
      if (c.held != held_) {
        demo_.events.push_back(
            {tick_, heli::DemoEvent::Kind::Hold, {c.held.begin(), c.held.end()}});
        for (int k : held_)
          if (!c.held.count(k)) g_->DXInput1.KeyUp(k);
        for (int k : c.held)
          if (!held_.count(k)) g_->DXInput1.KeyDown(k);
        held_ = c.held;
      }
      for (int k : c.presses) {
        demo_.events.push_back({tick_, heli::DemoEvent::Kind::Press, {k}});
        heli::down(*g_, static_cast<std::uint16_t>(k));
      }
      if (c.mouse) {
        demo_.events.push_back(
            {tick_, heli::DemoEvent::Kind::Mouse, {}, c.mouse->first, c.mouse->second});
        heli::m_move(*g_, c.mouse->first, c.mouse->second);
      }
      if (c.click) {
        demo_.events.push_back({tick_, heli::DemoEvent::Kind::Click, {}});
        heli::klik(*g_);
      }
      return true;
    });
    ++tick_;
  }

  std::string Demo() {
    heli::Demo d = demo_;
    d.events.push_back({tick_, heli::DemoEvent::Kind::End, {}});
    return heli::FormatDemo(d);
  }

 private:
  std::unique_ptr<TForm1> g_;
  heli::Demo demo_;
  std::set<int> held_;
  std::int64_t tick_ = 0;
};

int Usage() {
  std::cerr << "usage: autopilot [--seed N] [--levels K] [--level N] [--stop-at T] "
               "[--max-ticks N] [--seek heli|vortex] [--map] OUT.demo\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint32_t seed = 1;
  int levels = 1;
  std::int64_t max_ticks = 200000, stop_at = -1;
  int start_level = 0, seek = 0;
  bool look_at_map = false;
  std::string out;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (a == "--seed" || a == "--levels" || a == "--max-ticks" || a == "--level" ||
        a == "--stop-at" || a == "--seek") {
      const char* v = value();
      if (!v) return Usage();
      if (a == "--seed") seed = static_cast<std::uint32_t>(std::strtoul(v, nullptr, 10));
      if (a == "--levels") levels = std::atoi(v);
      if (a == "--max-ticks") max_ticks = std::atoll(v);
      if (a == "--level") start_level = std::atoi(v);
      if (a == "--stop-at") stop_at = std::atoll(v);
      if (a == "--seek") seek = std::string(v) == "heli" ? 1 : std::string(v) == "vortex" ? 2 : -1;
    } else if (a == "--map") {
      look_at_map = true;
    } else if (!a.empty() && a[0] != '-' && out.empty()) {
      out = a;
    } else {
      return Usage();
    }
  }
  if (out.empty()) return Usage();

  if (start_level < 0 || start_level > 9 || seek < 0 || (seek && stop_at < 0)) return Usage();
  Session session(seed, start_level);
  TForm1& g = session.game();
  Pilot pilot(g);
  pilot.SetLevelsWanted(levels);
  pilot.SetSeek(seek);
  pilot.SetLookAtMap(look_at_map);
  int level = 0, rescued = 0, fuel = 150, refuels = 0, boat_max_y = -1000000;
  std::int64_t level_start = 0;
  bool playing = false, refuelling = false;
  while (session.tick() < max_ticks) {
    if (session.tick() == stop_at) break;
    const Controls c = pilot.Decide(session.tick());
    if (pilot.Finished()) break;
    const bool was_playing = playing;
    session.Step(c);
    playing = !g.intro_running && !g.in_menu && !g.level_intro;
    if (playing && !was_playing) {
      level = g.level;
      level_start = session.tick();
      refuels = 0;
      boat_max_y = -1000000;
      std::fprintf(stderr, "tick %lld: level %d starts, %d endangered\n",
                   static_cast<long long>(session.tick()), level, g.endangered);
    }
    if (g.level_intro && was_playing && g.level != level) {
      std::fprintf(stderr, "tick %lld: level %d complete\n", static_cast<long long>(session.tick()),
                   level);
      std::fprintf(stderr, "level %d: won in %lld ticks, %d rescued, %d refuelling stops", level,
                   static_cast<long long>(session.tick() - level_start), rescued, refuels);
      if (level == 6)
        std::fprintf(stderr, ", the boat at most %d pixels south of the helicopter (lost at 24000)",
                     boat_max_y);
      std::fprintf(stderr, "\n");
      rescued = 0;
      pilot.LevelCompleted();
    }
    if (!g.level_error.empty()) {
      std::fprintf(stderr, "autopilot: %s\n", g.level_error.c_str());
      return 1;
    }
    if (g.crashed) {
      std::fprintf(stderr, "tick %lld: lost (altitude %d, fuel %d, map %.1f %.1f)\n",
                   static_cast<long long>(session.tick()), g.altitude, g.fuel,
                   static_cast<double>(g.map_x), static_cast<double>(g.map_y));
      return 1;
    }
    if (g.rescued != rescued) {
      rescued = g.rescued;
      std::fprintf(stderr, "tick %lld: %d rescued, fuel %d\n",
                   static_cast<long long>(session.tick()), rescued, g.fuel);
    }
    if (g.fuel > fuel + 20 || (g.fuel == 150 && fuel < 150)) {
      std::fprintf(stderr, "tick %lld: refuelled to %d\n", static_cast<long long>(session.tick()),
                   g.fuel);
      fuel = g.fuel;
    }
    if (g.fuel < fuel) fuel = g.fuel;
    // A stop at the depot: standing on its pad while the tank fills.
    const bool filling = playing && g.objects.At(1).landed_ok == 1 && g.altitude < 6;
    if (filling && !refuelling) ++refuels;
    refuelling = filling;
    if (playing && g.level == 6 && g.endangered > 0 && g.object_count >= 5)
      boat_max_y = std::max(boat_max_y, g.objects.At(5).y);
  }
  if (!pilot.Finished() && session.tick() != stop_at) {
    std::fprintf(stderr, "gave up after %lld ticks\n", static_cast<long long>(session.tick()));
    return 1;
  }
  std::ofstream file(out, std::ios::binary);
  file << session.Demo();
  if (!file) {
    std::cerr << "autopilot: cannot write " << out << "\n";
    return 1;
  }
  std::fprintf(stderr, "%lld ticks written to %s\n", static_cast<long long>(session.tick()),
               out.c_str());
  return 0;
}
