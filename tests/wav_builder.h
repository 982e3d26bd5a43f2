#pragma once
// Builds RIFF WAVE bytes in memory for the sound tests.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace testwav {

inline void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
inline void Put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void PutId(std::vector<std::uint8_t>& b, const char* id) {
  b.insert(b.end(), id, id + 4);
}

inline void PutChunk(std::vector<std::uint8_t>& b, const char* id,
                     const std::vector<std::uint8_t>& body) {
  PutId(b, id);
  Put32(b, static_cast<std::uint32_t>(body.size()));
  b.insert(b.end(), body.begin(), body.end());
  if (body.size() & 1) b.push_back(0);
}

inline std::vector<std::uint8_t> Fmt(int channels, int rate, int bits, std::uint16_t tag = 1) {
  std::vector<std::uint8_t> f;
  Put16(f, tag);
  Put16(f, static_cast<std::uint16_t>(channels));
  Put32(f, static_cast<std::uint32_t>(rate));
  Put32(f, static_cast<std::uint32_t>(rate * channels * bits / 8));
  Put16(f, static_cast<std::uint16_t>(channels * bits / 8));
  Put16(f, static_cast<std::uint16_t>(bits));
  return f;
}

// RIFF header around the chunks already in `chunks`.
inline std::vector<std::uint8_t> Riff(const std::vector<std::uint8_t>& chunks) {
  std::vector<std::uint8_t> b;
  PutId(b, "RIFF");
  Put32(b, static_cast<std::uint32_t>(chunks.size() + 4));
  PutId(b, "WAVE");
  b.insert(b.end(), chunks.begin(), chunks.end());
  return b;
}

inline std::vector<std::uint8_t> Wav(int channels, int rate, int bits,
                                     const std::vector<std::uint8_t>& samples) {
  std::vector<std::uint8_t> chunks;
  PutChunk(chunks, "fmt ", Fmt(channels, rate, bits));
  PutChunk(chunks, "data", samples);
  return Riff(chunks);
}

// A 16-bit mono sine of `amplitude` (full scale 32767).
inline std::vector<std::uint8_t> Tone(double hz, int rate, double seconds, double amplitude) {
  std::vector<std::uint8_t> s;
  const int n = static_cast<int>(seconds * rate);
  const double pi = std::acos(-1.0);
  for (int i = 0; i < n; ++i)
    Put16(s, static_cast<std::uint16_t>(static_cast<std::int16_t>(
                 std::lround(amplitude * std::sin(2 * pi * hz * i / rate)))));
  return Wav(1, rate, 16, s);
}

}  // namespace testwav
