// The memory of rotated draws: a small one, filled far past its size with draws of
// many sizes, must keep the newest, forget only the oldest, and never hand back a
// draw other than the one stored under that shape.
#include "media/rotated_cache.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using media::RotatedCache;
using media::RotatedRuns;
using media::RotatedShape;

struct Stored {
  RotatedShape shape;
  std::vector<std::uint16_t> runs, pixels;
};

Stored Make(int n) {
  Stored s;
  s.shape = RotatedShape{0, 10 + n % 7, 20, n % 256, 0.5, n % 3 == 0 ? 0.3 : 0.5, n % 2 == 0};
  // Sizes from a few words to a quarter of the cache, contents that name the draw.
  const int size = 1 + (n * 37) % 120;
  s.runs.assign(static_cast<std::size_t>(size % 9 + 1), static_cast<std::uint16_t>(n));
  s.pixels.assign(static_cast<std::size_t>(size), static_cast<std::uint16_t>(n * 3 + 1));
  return s;
}

TEST(RotatedCache, ForgetsTheOldestToMakeRoomAndNeverMixesDrawsUp) {
  RotatedCache cache(500, 8);
  std::vector<Stored> all;
  for (int n = 0; n < 400; ++n) {
    all.push_back(Make(n));
    const Stored& s = all.back();
    RotatedRuns out;
    ASSERT_TRUE(cache.Store(s.shape, RotatedRuns{n, -n, 3, 4}, s.runs, s.pixels, out)) << n;
    ASSERT_LE(cache.Count(), 8);
    // Whatever is still found is exactly what was stored under that shape, and
    // what is kept is the newest draws without a gap.
    bool gone = false;
    std::size_t words = 0;
    for (int k = n; k >= 0; --k) {
      const Stored& old = all[static_cast<std::size_t>(k)];
      if (old.shape == s.shape && k != n) continue;  // stored again since
      RotatedRuns found;
      const bool kept = cache.Find(old.shape, found);
      if (!kept) {
        gone = true;
        continue;
      }
      ASSERT_FALSE(gone) << "draw " << k << " kept after an older one was forgotten, at " << n;
      EXPECT_EQ(found.top, k);
      EXPECT_EQ(found.left, -k);
      ASSERT_EQ(found.pixel_count, static_cast<int>(old.pixels.size()));
      EXPECT_EQ(std::vector<std::uint16_t>(found.runs, found.runs + old.runs.size()), old.runs);
      EXPECT_EQ(std::vector<std::uint16_t>(found.pixels, found.pixels + found.pixel_count),
                old.pixels);
      words += old.runs.size() + old.pixels.size();
    }
    EXPECT_LE(words, cache.CapacityWords());
  }
  // A draw larger than a quarter of the whole is not kept.
  RotatedRuns out;
  const std::vector<std::uint16_t> big(200, 1), none;
  EXPECT_FALSE(cache.Store(RotatedShape{1, 1, 1, 1, 0, 0, true}, RotatedRuns{}, none, big, out));
}

}  // namespace
