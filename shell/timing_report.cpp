#include "shell/timing_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "media/window.h"

namespace heli {

std::int64_t Percentile(std::vector<std::int64_t> v, double p) {
  if (v.empty()) return 0;
  const std::size_t k = std::min(v.size() - 1, static_cast<std::size_t>(p * (v.size() - 1) + 0.5));
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
  return v[k];
}

// The processor time of this thread: the timedemo's clock, which other programs'
// turns on the processor do not move. A page has no such clock: there, the wall clock.
double ThreadSeconds() {
#ifdef __EMSCRIPTEN__
  return media::WallSeconds();
#endif
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One copy of a whole 800 x 600 x 2-byte frame, the yardstick the timedemo reads
// its ticks against: the copies' times in nanoseconds, each alone.
void TimeFrameCopies(int copies, std::vector<std::int64_t>& ns) {
  static std::vector<unsigned char> from(800 * 600 * 2, 1), to(800 * 600 * 2);
  for (int i = 0; i < copies; ++i) {
    const double before = ThreadSeconds();
    std::memcpy(to.data(), from.data(), from.size());
    // Keep the copy from being left out as unused.
    from[static_cast<std::size_t>(i) % from.size()] =
        to[static_cast<std::size_t>(i * 7) % to.size()];
    ns.push_back(static_cast<std::int64_t>((ThreadSeconds() - before) * 1e9));
  }
}

// The timedemo's figures: the ticks in microseconds, then in frame copies timed in
// the same run, and how long it took from the start to the first presented frame.
void PrintTimedemo(const std::vector<std::int64_t>& tick_ns, std::vector<std::int64_t> copy_ns,
                   double start_up_seconds) {
  if (tick_ns.empty()) {
    std::printf("timedemo: no ticks\n");
    return;
  }
  double total = 0;
  for (auto ns : tick_ns) total += static_cast<double>(ns) / 1e9;
  const auto slowest = std::max_element(tick_ns.begin(), tick_ns.end());
  const double median = static_cast<double>(Percentile(tick_ns, 0.5));
  const double p99 = static_cast<double>(Percentile(tick_ns, 0.99));
  const double max = static_cast<double>(*slowest);
  std::printf(
      "timedemo: %lld ticks in %.3f s, %.0f ticks/s, median %.0f us, p99 %.0f us, max %.0f us\n",
      static_cast<long long>(tick_ns.size()), total,
      total > 0 ? static_cast<double>(tick_ns.size()) / total : 0.0, median / 1e3, p99 / 1e3,
      max / 1e3);
  const double copy = static_cast<double>(Percentile(copy_ns, 0.5));
  if (copy <= 0) {
    // A browser's clock steps in tenths of a millisecond: no copy takes that long.
    std::printf("timedemo: the clock is too coarse to time a frame copy\n");
  } else {
    std::printf(
        "timedemo: a frame copy (800 x 600 x 2 bytes) %.1f us; in frame copies: median %.1f, "
        "p99 %.1f, max %.1f (tick %lld)",
        copy / 1e3, median / copy, p99 / copy, max / copy,
        static_cast<long long>(slowest - tick_ns.begin()));
    if (tick_ns.size() > 1) {
      const auto after = std::max_element(tick_ns.begin() + 1, tick_ns.end());
      std::printf("; tick 0 %.1f, the slowest after it %.1f (tick %lld)",
                  static_cast<double>(tick_ns.front()) / copy, static_cast<double>(*after) / copy,
                  static_cast<long long>(after - tick_ns.begin()));
    }
    std::printf("\n");
  }
  std::printf("timedemo: start-up to the first presented frame %.1f ms\n", start_up_seconds * 1e3);
}

// How evenly the ticks (or the presented frames) of a game in a window came: the
// spread of the intervals between them, due `rate` times a second, and (when
// cpu_seconds is not negative) the processor time against the time that passed.
void PrintTickStats(const char* what, const std::vector<double>& starts, double cpu_seconds,
                    int rate) {
  if (starts.size() < 3) {
    std::printf("%s stats: too few %ss\n", what, what);
    return;
  }
  std::vector<std::int64_t> us;
  double sum = 0, sum2 = 0;
  for (std::size_t i = 1; i < starts.size(); ++i) {
    const double d = (starts[i] - starts[i - 1]) * 1e6;
    us.push_back(static_cast<std::int64_t>(d + 0.5));
    sum += d;
    sum2 += d * d;
  }
  const double n = static_cast<double>(us.size());
  const double mean = sum / n, sd = std::sqrt(std::max(0.0, sum2 / n - mean * mean));
  const auto late =
      std::count_if(us.begin(), us.end(), [&](std::int64_t d) { return d > 1.5e6 / rate; });
  const double wall = starts.back() - starts.front();
  std::printf(
      "%s stats: %zu intervals (due every %.0f us): mean %.0f us, sd %.0f us, min %lld, p1 "
      "%lld, median %lld, p99 %lld, max %lld us; %lld over 1.5 periods",
      what, us.size(), 1e6 / rate, mean, sd,
      static_cast<long long>(*std::min_element(us.begin(), us.end())),
      static_cast<long long>(Percentile(us, 0.01)), static_cast<long long>(Percentile(us, 0.5)),
      static_cast<long long>(Percentile(us, 0.99)),
      static_cast<long long>(*std::max_element(us.begin(), us.end())),
      static_cast<long long>(late));
  if (cpu_seconds >= 0)
    std::printf("; processor %.1f %% of one core", wall > 0 ? 100.0 * cpu_seconds / wall : 0.0);
  std::printf("\n");
}

void PrintFramesBetween(const std::vector<std::int64_t>& ns, int rate) {
  if (ns.empty()) return;
  std::printf(
      "timedemo: %zu frames between the ticks at %d Hz: median %.0f us, p99 %.0f us, max "
      "%.0f us\n",
      ns.size(), rate, static_cast<double>(Percentile(ns, 0.5)) / 1e3,
      static_cast<double>(Percentile(ns, 0.99)) / 1e3,
      static_cast<double>(*std::max_element(ns.begin(), ns.end())) / 1e3);
}

}  // namespace heli
