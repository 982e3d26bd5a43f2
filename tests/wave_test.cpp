#include "media/wave.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "tests/wav_builder.h"

namespace {

using media::ReadWave;
using namespace testwav;

using media::WaveData;

std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> v) {
  return {v.begin(), v.end()};
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> v) {
  return std::vector<std::uint8_t>(v.begin(), v.end());
}

void ExpectInvalid(const std::vector<std::uint8_t>& bytes) {
  try {
    ReadWave(bytes);
    ADD_FAILURE() << "accepted " << bytes.size() << " bytes";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Wave is invalid");
  }
}

// A copied recording outlives the bytes it was read from; a static one points into
// them, whole frames only.
TEST(Wave, CopiesOrPointsIntoTheStoredBytes) {
  const auto samples = Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9});
  auto bytes = std::make_unique<std::vector<std::uint8_t>>(Wav(1, 22050, 16, samples));
  const WaveData copied = ReadWave(*bytes);
  const WaveData pointing = ReadWave(*bytes, media::WaveStorage::Static);
  EXPECT_EQ(pointing.samples.size(), 8u);
  EXPECT_GE(pointing.samples.data(), bytes->data());
  EXPECT_LE(pointing.samples.data() + pointing.samples.size(), bytes->data() + bytes->size());
  EXPECT_EQ(Bytes(pointing.samples), Bytes({1, 2, 3, 4, 5, 6, 7, 8}));
  bytes.reset();
  EXPECT_EQ(Bytes(copied.samples), Bytes({1, 2, 3, 4, 5, 6, 7, 8}));
  const WaveData kept = copied;  // copies share the samples
  EXPECT_EQ(kept.samples.data(), copied.samples.data());
}

TEST(Wave, ReadsFormatAndSamplesSkippingOtherChunks) {
  const auto samples = Bytes({1, 2, 3, 4, 5, 6, 7, 8});
  auto w = ReadWave(Wav(2, 22050, 16, samples));
  EXPECT_EQ(w.channels, 2);
  EXPECT_EQ(w.rate, 22050);
  EXPECT_EQ(w.bits, 16);
  EXPECT_EQ(Bytes(w.samples), samples);

  // An odd-length chunk before the data is padded to an even length; data may
  // also come before fmt.
  std::vector<std::uint8_t> chunks;
  PutChunk(chunks, "LIST", Bytes({'a', 'b', 'c'}));
  PutChunk(chunks, "data", Bytes({0x80, 0x81, 0x7F}));
  PutChunk(chunks, "fmt ", Fmt(1, 11025, 8));
  w = ReadWave(Riff(chunks));
  EXPECT_EQ(w.channels, 1);
  EXPECT_EQ(w.rate, 11025);
  EXPECT_EQ(w.bits, 8);
  EXPECT_EQ(Bytes(w.samples), Bytes({0x80, 0x81, 0x7F}));

  // An extensible header with the PCM sub-format is plain PCM.
  auto ext = Fmt(1, 44100, 16, 0xFFFE);
  Put16(ext, 22);
  Put16(ext, 16);
  Put32(ext, 0x4);
  Put16(ext, 1);  // sub-format GUID, starting with the PCM tag
  ext.resize(ext.size() + 14, 0);
  chunks.clear();
  PutChunk(chunks, "fmt ", ext);
  PutChunk(chunks, "data", Bytes({1, 2}));
  EXPECT_EQ(ReadWave(Riff(chunks)).rate, 44100);
}

TEST(Wave, RejectsWhatIsNotAPlayableRecording) {
  ExpectInvalid({});
  ExpectInvalid(Bytes({'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V'}));
  auto good = Wav(1, 22050, 8, Bytes({1, 2}));
  auto bad = good;
  bad[0] = 'X';
  ExpectInvalid(bad);
  bad = good;
  bad[11] = 'X';
  ExpectInvalid(bad);

  std::vector<std::uint8_t> chunks;
  PutChunk(chunks, "fmt ", Fmt(1, 22050, 8));
  ExpectInvalid(Riff(chunks));  // no data
  chunks.clear();
  PutChunk(chunks, "data", Bytes({1, 2}));
  ExpectInvalid(Riff(chunks));  // no fmt
  for (auto fmt : {Fmt(1, 22050, 8, 3), Fmt(1, 22050, 24), Fmt(0, 22050, 8), Fmt(3, 22050, 8),
                   Fmt(1, 0, 16)}) {
    chunks.clear();
    PutChunk(chunks, "fmt ", fmt);
    PutChunk(chunks, "data", Bytes({1, 2, 3, 4, 5, 6}));
    ExpectInvalid(Riff(chunks));
  }
  chunks.clear();
  PutChunk(chunks, "fmt ", Bytes({1, 0, 1, 0, 0x22, 0x56, 0, 0}));  // fmt cut to 8 bytes
  PutChunk(chunks, "data", Bytes({1, 2}));
  ExpectInvalid(Riff(chunks));
}

TEST(Wave, TruncatedDataKeepsWholeFramesAndHugeLengthsStayInBounds) {
  std::vector<std::uint8_t> samples(100);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>(i);
  const auto full = Wav(2, 22050, 16, samples);  // 4-byte frames
  // Every prefix is either rejected or gives a prefix of the samples in whole frames.
  for (std::size_t n = 0; n <= full.size(); ++n) {
    std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    try {
      auto w = ReadWave(cut);
      ASSERT_GE(n, 44u);
      EXPECT_EQ(w.samples.size(), (n - 44) / 4 * 4);
      EXPECT_TRUE(std::equal(w.samples.begin(), w.samples.end(), samples.begin()));
    } catch (const std::runtime_error&) {
      EXPECT_LT(n, 44u) << "a cut inside the samples must still read";
    }
  }
  // A chunk claiming nearly 4 GiB must not wrap round or be read past the end.
  std::vector<std::uint8_t> chunks;
  PutChunk(chunks, "fmt ", Fmt(1, 22050, 8));
  PutId(chunks, "junk");
  Put32(chunks, 0xFFFFFFFF);
  PutChunk(chunks, "data", Bytes({1, 2}));
  ExpectInvalid(Riff(chunks));  // the data chunk lies inside the huge one
}

TEST(Wave, RandomCorruptionNeverReadsOutOfBounds) {
  const auto good = Tone(440, 22050, 0.01, 20000);
  std::mt19937 rng(12345);
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    auto bytes = good;
    const int flips = 1 + static_cast<int>(rng() % 8);
    for (int i = 0; i < flips; ++i)
      bytes[rng() % 48] = static_cast<std::uint8_t>(rng());  // the header and chunk heads
    bytes.resize(rng() % (bytes.size() + 1));
    try {
      auto w = ReadWave(bytes);
      ++accepted;
      EXPECT_LE(w.samples.size(), bytes.size());
      EXPECT_TRUE(w.bits == 8 || w.bits == 16);
      EXPECT_TRUE(w.channels == 1 || w.channels == 2);
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "Wave is invalid");
    }
  }
  EXPECT_GT(accepted, 0);  // some damage is harmless, so both paths were taken
}

}  // namespace
