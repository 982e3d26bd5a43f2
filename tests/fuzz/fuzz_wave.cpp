// The wave reader: any bytes either throw or give a recording the sound device takes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

#include "fuzz_check.h"
#include "media/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  media::WaveData wave;
  try {
    wave = media::ReadWave(std::span<const std::uint8_t>(data, size));
  } catch (const std::runtime_error&) {
    return 0;
  }
  FUZZ_CHECK(wave.channels == 1 || wave.channels == 2);
  FUZZ_CHECK(wave.bits == 8 || wave.bits == 16);
  FUZZ_CHECK(wave.rate > 0);
  const std::size_t frame = static_cast<std::size_t>(wave.channels) * (wave.bits / 8);
  FUZZ_CHECK(wave.samples.size() % frame == 0);
  FUZZ_CHECK(wave.samples.size() <= size);
  return 0;
}
