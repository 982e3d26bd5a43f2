#pragma once
// The figures a run reports about its own speed: the timedemo's ticks, read against
// a frame copy timed in the same run, and how evenly the ticks and frames of a game
// in a window came (--tick-stats).
#include <cstdint>
#include <vector>

namespace heli {

// The value at share p (0 to 1) of the sorted values; 0 for none.
std::int64_t Percentile(std::vector<std::int64_t> v, double p);

// The processor time of this thread: the timedemo's clock, which other programs'
// turns on the processor do not move. A page has no such clock: there, the wall clock.
double ThreadSeconds();

// Times `copies` copies of a whole 800 x 600 x 2-byte frame, each alone, into `ns`.
void TimeFrameCopies(int copies, std::vector<std::int64_t>& ns);

// The timedemo's figures: the ticks in microseconds, then in frame copies timed in
// the same run, and how long it took from the start to the first presented frame.
void PrintTimedemo(const std::vector<std::int64_t>& tick_ns, std::vector<std::int64_t> copy_ns,
                   double start_up_seconds);

// How evenly the ticks (or the presented frames) of a game in a window came: the
// spread of the intervals between them, due `rate` times a second, and (when
// cpu_seconds is not negative) the processor time against the time that passed.
void PrintTickStats(const char* what, const std::vector<double>& starts, double cpu_seconds,
                    int rate);

// The timedemo's frames between the ticks at `rate` frames a second.
void PrintFramesBetween(const std::vector<std::int64_t>& ns, int rate);

}  // namespace heli
