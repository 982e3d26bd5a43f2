#include "shell/timers.h"

#include <algorithm>

namespace heli {

TickClock::TickClock(int rate_hz) : rate_(std::max(rate_hz, 1)) {}

std::int64_t TickClock::StepsFor(int interval_ms) const {
  const std::int64_t ms = std::max(interval_ms, 0);
  return std::max<std::int64_t>(1, (ms * rate_ + 999) / 1000);
}

void TickClock::TickDone(int timer1_interval_ms) {
  next_tick_ += StepsFor(timer1_interval_ms);
}

void TickClock::TrackCass(const Timer& cass, std::int64_t now_step) {
  if (cass.Enabled && !cass_enabled_) cass_next_ = now_step + StepsFor(cass.Interval);
  cass_enabled_ = cass.Enabled;
}

std::optional<std::int64_t> TickClock::CassDue(std::int64_t by_step) const {
  if (cass_enabled_ && cass_next_ <= by_step) return cass_next_;
  return std::nullopt;
}

void TickClock::CassFired(const Timer& cass) {
  // A handler that disabled the timer stops it; one that kept it enabled lets it run on.
  if (cass_enabled_) cass_next_ += StepsFor(cass.Interval);
  cass_enabled_ = cass.Enabled;
}

}  // namespace heli
