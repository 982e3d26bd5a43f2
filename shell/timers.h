#pragma once
// The window's two timers and the one clock that drives them. Time is counted in
// steps of one tick period; nothing here reads the wall clock.
#include <cstdint>
#include <optional>

#include "game/state.h"

namespace heli {

class TickClock {
 public:
  explicit TickClock(int rate_hz = 60);
  int Rate() const { return rate_; }
  // Whole steps that cover an interval, at least one.
  std::int64_t StepsFor(int interval_ms) const;
  std::int64_t MillisecondsAt(std::int64_t step) const { return step * 1000 / rate_; }

  // The step of the next main tick.
  std::int64_t NextTickStep() const { return next_tick_; }
  // After a main tick ran at NextTickStep(): the next comes the interval it left later.
  void TickDone(int timer1_interval_ms);

  // The 2-second timer: call after every handler with its current state; a newly
  // enabled timer first fires one interval after the step it was enabled at.
  void TrackCass(const Timer& cass, std::int64_t now_step);
  // The next firing of the 2-second timer due at or before the step, if any.
  std::optional<std::int64_t> CassDue(std::int64_t by_step) const;
  void CassFired(const Timer& cass);

 private:
  int rate_;
  std::int64_t next_tick_ = 0;
  bool cass_enabled_ = false;
  std::int64_t cass_next_ = 0;
};

}  // namespace heli
