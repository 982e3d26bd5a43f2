#include "media/rotated_cache.h"

#include <algorithm>
#include <cstring>

namespace media {

std::uint64_t RotatedShape::Hash() const {
  // memcpy rather than std::bit_cast, which not every standard library has yet.
  const auto bits = [](double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
  };
  std::uint64_t h = 0x9E3779B97F4A7C15ull;
  for (std::uint64_t v : {static_cast<std::uint64_t>(static_cast<std::uint32_t>(pattern)),
                          static_cast<std::uint64_t>(static_cast<std::uint32_t>(width)),
                          static_cast<std::uint64_t>(static_cast<std::uint32_t>(height)),
                          static_cast<std::uint64_t>(static_cast<std::uint32_t>(angle)),
                          bits(centre_x), bits(centre_y), std::uint64_t{keyed}}) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h *= 0xFF51AFD7ED558CCDull;
  }
  return h ^ (h >> 33);
}

RotatedCache::RotatedCache(std::size_t capacity_words, int max_entries)
    : capacity_(capacity_words), max_entries_(std::max(max_entries, 1)) {}

void RotatedCache::Allocate() {
  // Most pictures are never drawn rotated twice alike: the tables are taken at the
  // first store, the words without zeroing, so that only what is written is touched.
  const auto n = static_cast<std::size_t>(max_entries_);
  words_.reset(new std::uint16_t[capacity_]);
  entries_ = std::make_unique<Entry[]>(n);
  order_ = std::make_unique<int[]>(n);
  free_ = std::make_unique<int[]>(n);
  for (int i = 0; i < max_entries_; ++i) free_[static_cast<std::size_t>(i)] = max_entries_ - 1 - i;
  free_count_ = max_entries_;
  // A power of two at least twice the entries (std::bit_ceil is not in every library).
  std::size_t buckets = 1;
  while (buckets < n * 2) buckets *= 2;
  bucket_heads_storage_ = std::make_unique<int[]>(buckets);
  buckets_ = std::span<int>(bucket_heads_storage_.get(), buckets);
  std::fill(buckets_.begin(), buckets_.end(), -1);
}

RotatedRuns RotatedCache::View(const Entry& e) const {
  RotatedRuns r = e.box;
  r.runs = words_.get() + e.offset;
  r.pixels = words_.get() + e.offset + e.run_words;
  r.pixel_count = static_cast<int>(e.pixel_words);
  return r;
}

bool RotatedCache::Find(const RotatedShape& shape, RotatedRuns& out) const {
  if (count_ == 0) return false;
  const std::uint64_t hash = shape.Hash();
  for (int id = buckets_[static_cast<std::size_t>(Bucket(hash))]; id >= 0;
       id = entries_[static_cast<std::size_t>(id)].next) {
    const Entry& e = entries_[static_cast<std::size_t>(id)];
    if (e.hash == hash && e.shape == shape) {
      out = View(e);
      return true;
    }
  }
  return false;
}

bool RotatedCache::SeenRecently(const RotatedShape& shape) {
  const std::uint64_t hash = shape.Hash();
  const bool seen = std::find(recent_.begin(), recent_.end(), hash) != recent_.end();
  if (!seen) {
    recent_[next_recent_] = hash;
    next_recent_ = (next_recent_ + 1) % recent_.size();
  }
  return seen;
}

void RotatedCache::Unlink(int id) {
  Entry& e = entries_[static_cast<std::size_t>(id)];
  int* link = &buckets_[static_cast<std::size_t>(Bucket(e.hash))];
  while (*link != id) link = &entries_[static_cast<std::size_t>(*link)].next;
  *link = e.next;
  e.next = -1;
}

void RotatedCache::EvictOldest() {
  const int id = order_[static_cast<std::size_t>(first_)];
  Unlink(id);
  free_[static_cast<std::size_t>(free_count_++)] = id;
  first_ = (first_ + 1) % max_entries_;
  --count_;
}

bool RotatedCache::Store(const RotatedShape& shape, const RotatedRuns& box,
                         std::span<const std::uint16_t> runs, std::span<const Pixel> pixels,
                         RotatedRuns& out) {
  const std::size_t size = runs.size() + pixels.size();
  if (size == 0 || size > capacity_ / 4) return false;
  if (!words_) Allocate();
  if (count_ == max_entries_) EvictOldest();
  // The draws lie one after another in the order stored, wrapping round to the
  // start: those in the way of the new one are the oldest.
  const auto oldest = [&]() -> const Entry& {
    return entries_[static_cast<std::size_t>(order_[static_cast<std::size_t>(first_)])];
  };
  if (head_ + size > capacity_) {
    while (count_ > 0 && oldest().offset >= head_) EvictOldest();
    head_ = 0;
  }
  while (count_ > 0 && oldest().offset >= head_ && oldest().offset < head_ + size) EvictOldest();

  const int id = free_[static_cast<std::size_t>(--free_count_)];
  Entry& e = entries_[static_cast<std::size_t>(id)];
  e.shape = shape;
  e.hash = shape.Hash();
  e.offset = head_;
  e.run_words = runs.size();
  e.pixel_words = pixels.size();
  e.box = box;
  std::memcpy(words_.get() + head_, runs.data(), runs.size_bytes());
  std::memcpy(words_.get() + head_ + runs.size(), pixels.data(), pixels.size_bytes());
  head_ += size;
  const int bucket = Bucket(e.hash);
  e.next = buckets_[static_cast<std::size_t>(bucket)];
  buckets_[static_cast<std::size_t>(bucket)] = id;
  order_[static_cast<std::size_t>((first_ + count_) % max_entries_)] = id;
  ++count_;
  out = View(e);
  return true;
}

}  // namespace media
