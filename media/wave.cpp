#include "media/wave.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>

namespace media {
namespace {

[[noreturn]] void Invalid() {
  throw std::runtime_error("Wave is invalid");
}

std::uint32_t U32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}
std::uint16_t U16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
bool Is(const std::uint8_t* p, const char* id) {
  return std::memcmp(p, id, 4) == 0;
}

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

}  // namespace

WaveData ReadWave(std::span<const std::uint8_t> bytes, WaveStorage storage) {
  const std::uint8_t* base = bytes.data();
  const std::size_t size = bytes.size();
  if (size < 12 || !Is(base, "RIFF") || !Is(base + 8, "WAVE")) Invalid();

  std::optional<std::span<const std::uint8_t>> fmt, data;
  // 64-bit offsets: a chunk length near 4 GiB must not wrap round to a small offset.
  std::uint64_t pos = 12;
  while (pos + 8 <= size) {
    const std::uint8_t* head = base + pos;
    const std::uint64_t length = U32(head + 4);
    const std::uint64_t body = pos + 8;
    const std::size_t present =
        static_cast<std::size_t>(std::min<std::uint64_t>(length, size - body));
    std::span<const std::uint8_t> chunk(base + body, present);
    if (Is(head, "fmt ") && !fmt) fmt = chunk;
    if (Is(head, "data") && !data) data = chunk;
    pos = body + length + (length & 1);  // chunks are padded to an even length
  }
  if (!fmt || !data || fmt->size() < 16) Invalid();

  const std::uint8_t* f = fmt->data();
  std::uint16_t tag = U16(f);
  WaveData wave;
  wave.channels = U16(f + 2);
  const std::uint32_t rate = U32(f + 4);
  const int block_align = U16(f + 12);
  wave.bits = U16(f + 14);
  // An extensible header is still PCM when its sub-format GUID starts with the PCM tag.
  if (tag == kFormatExtensible && fmt->size() >= 26) tag = U16(f + 24);
  if (tag != kFormatPcm) Invalid();
  if (wave.channels < 1 || wave.channels > 2 || (wave.bits != 8 && wave.bits != 16) || rate == 0 ||
      rate > 1'000'000)
    Invalid();
  wave.rate = static_cast<int>(rate);
  const int frame = wave.channels * wave.bits / 8;
  if (block_align != 0 && block_align != frame) Invalid();

  const std::size_t usable = data->size() / frame * frame;
  const auto frames = data->first(usable);
  if (storage == WaveStorage::Copy) {
    auto copy = std::make_shared<std::vector<std::uint8_t>>(frames.begin(), frames.end());
    wave.samples = *copy;
    wave.owned = std::move(copy);
  } else {
    wave.samples = frames;
  }
  return wave;
}

}  // namespace media
