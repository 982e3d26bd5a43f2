#pragma once
// Reads the stored recordings: uncompressed PCM RIFF WAVE data, 8 or 16 bits,
// mono or stereo, which is all the sound device is asked to play.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace media {

struct WaveData {
  int channels = 0, rate = 0, bits = 0;
  // Whole frames only, as stored (8-bit unsigned, 16-bit LE): held in `owned`, or
  // in memory that lasts as long as the program (the built-in recordings).
  std::span<const std::uint8_t> samples;
  std::shared_ptr<const std::vector<std::uint8_t>> owned;
};

// Copy: the recording keeps a copy of its samples. Static: the bytes outlive every
// use of the recording, which points into them.
enum class WaveStorage { Copy, Static };

// Throws std::runtime_error("Wave is invalid") for anything that is not such a
// recording. Never reads outside `bytes`; a "data" chunk cut short by the end of
// the data keeps the whole frames that are there.
WaveData ReadWave(std::span<const std::uint8_t> bytes, WaveStorage storage = WaveStorage::Copy);

}  // namespace media
