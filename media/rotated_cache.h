#pragma once
// What a picture remembers of its rotated draws: for the shapes it is drawn in
// again and again (a rotor at each of its angles, a body at its heading), where the
// drawn pixels fall and what they are, so that a repeat only copies or blends them.
// Everything lives in one block of memory taken at the first store and a fixed
// table: remembering and forgetting never allocate.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "media/surface.h"

namespace media {

// Everything the samples of a rotated draw depend on besides its place.
struct RotatedShape {
  int pattern = -1, width = 0, height = 0, angle = 0;
  double centre_x = 0, centre_y = 0;
  bool keyed = false;
  bool operator==(const RotatedShape&) const = default;
  std::uint64_t Hash() const;
};

// A remembered draw, as offsets from the place it is drawn at: `rows` rows from
// `top`; `runs` holds for each row its number of runs, then each run's first
// column (counted from `left`) and length; `pixels` the pixels of every run in order.
struct RotatedRuns {
  int top = 0, left = 0, rows = 0, columns = 0;  // the bounding box
  const std::uint16_t* runs = nullptr;
  const Pixel* pixels = nullptr;
  int pixel_count = 0;
};

class RotatedCache {
 public:
  // At most `capacity_words` 16-bit words of runs and pixels in `max_entries` draws.
  explicit RotatedCache(std::size_t capacity_words = std::size_t{1} << 20, int max_entries = 1024);

  // The remembered draw of the shape; false when there is none.
  bool Find(const RotatedShape& shape, RotatedRuns& out) const;
  // True when the shape was asked for among the picture's last few draws (and
  // notes this one): a shape that comes back that soon is worth remembering, one
  // that comes back only after many others (the rotor wash's sizes and angles) is not.
  bool SeenRecently(const RotatedShape& shape);
  // Remembers a draw, forgetting the oldest ones as far as it needs room. False
  // (and nothing kept) when it is larger than a quarter of the whole.
  // `box` gives the draw's top, left, rows and columns; `runs` and `pixels` as in
  // RotatedRuns.
  bool Store(const RotatedShape& shape, const RotatedRuns& box, std::span<const std::uint16_t> runs,
             std::span<const Pixel> pixels, RotatedRuns& out);

  int Count() const { return count_; }
  std::size_t CapacityWords() const { return capacity_; }

 private:
  struct Entry {
    RotatedShape shape;
    std::uint64_t hash = 0;
    std::size_t offset = 0, run_words = 0, pixel_words = 0;
    RotatedRuns box;
    int next = -1;  // in its bucket's chain
  };
  void Allocate();
  void EvictOldest();
  void Unlink(int id);
  RotatedRuns View(const Entry& e) const;
  int Bucket(std::uint64_t hash) const {
    return static_cast<int>(hash & static_cast<std::uint64_t>(buckets_.size() - 1));
  }

  std::size_t capacity_;
  std::unique_ptr<std::uint16_t[]> words_;
  std::size_t head_ = 0;  // where the next draw is written
  // The entries, oldest first, in a ring; the free ids in a stack.
  std::unique_ptr<Entry[]> entries_;
  std::unique_ptr<int[]> order_, free_;
  int max_entries_, first_ = 0, count_ = 0, free_count_ = 0;
  std::unique_ptr<int[]> bucket_heads_storage_;
  std::span<int> buckets_;
  std::array<std::uint64_t, 32> recent_{};  // hashes of the last draws' shapes
  std::size_t next_recent_ = 0;
};

}  // namespace media
