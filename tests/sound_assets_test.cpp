// Checks the committed recordings in assets/sounds/ against the sound list:
// RIFF layout, sample format, data length, peak level and loop seams.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Item {
  int index;
  const char* name;
  bool stored_loop;
  bool game_loops;  // the game switches looping on before playing it
  int channels;     // 0: no recording
  int rate;
  int bits;
  uint32_t bytes;
};

const Item kItems[] = {
    {0, "h_menu", true, true, 1, 11025, 8, 648873},
    {1, "helik", true, true, 1, 22050, 16, 67392},
    {2, "vytah", false, false, 1, 22050, 8, 50661},
    {3, "vybuch", false, false, 1, 22050, 16, 108986},
    {4, "vlny", true, true, 1, 22050, 8, 45567},
    {5, "hlas", false, false, 1, 22050, 8, 19691},
    {6, "hura", false, false, 0, 0, 0, 0},
    {7, "klik", false, false, 1, 22050, 16, 8114},
    {8, "cizivrtulnik", false, true, 1, 22050, 16, 67392},
    {9, "tamrox", true, true, 1, 22050, 8, 193850},
    {10, "drama", false, false, 1, 22050, 8, 87241},
    {11, "storm", false, false, 1, 22050, 8, 177815},
    {12, "kasel", false, false, 1, 22050, 16, 46150},
    {13, "mrtvy", false, false, 1, 22050, 8, 14895},
    {14, "kroky", false, true, 1, 22050, 8, 113152},
    {15, "lodicka", false, true, 1, 22050, 8, 17302},
    {16, "vystrel", false, false, 2, 22050, 16, 112484},
    {17, "ohen", false, true, 1, 22050, 8, 45006},
    {18, "sirena", false, true, 2, 22050, 8, 165248},
    {19, "fanfara", false, false, 1, 22050, 8, 401152},
    {20, "benzin", false, false, 0, 0, 0, 0},
    {21, "hudba_hra", false, true, 1, 44100, 8, 2795595},
};

std::string PathOf(const Item& it) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%02d_%s.wav", it.index, it.name);
  return std::string(HELI_SOURCE_DIR) + "/assets/sounds/" + buf;
}

bool Exists(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return static_cast<bool>(f);
}

uint32_t U32(const std::vector<uint8_t>& d, size_t p) {
  return uint32_t(d[p]) | uint32_t(d[p + 1]) << 8 | uint32_t(d[p + 2]) << 16 |
         uint32_t(d[p + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& d, size_t p) {
  return uint16_t(d[p] | d[p + 1] << 8);
}

struct Wave {
  std::vector<std::string> chunk_ids;
  uint32_t fmt_size = 0;
  uint16_t format_tag = 0, channels = 0, block_align = 0, bits = 0;
  uint32_t rate = 0, byte_rate = 0;
  std::vector<uint8_t> data;
  std::string error;
};

// A small RIFF reader: the header, then every chunk in order.
Wave ReadWave(const std::string& path) {
  Wave w;
  std::ifstream f(path, std::ios::binary);
  if (!f) {
    w.error = "cannot open";
    return w;
  }
  std::vector<uint8_t> d((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (d.size() < 12 || std::string(d.begin(), d.begin() + 4) != "RIFF" ||
      std::string(d.begin() + 8, d.begin() + 12) != "WAVE") {
    w.error = "not a RIFF WAVE file";
    return w;
  }
  if (U32(d, 4) != d.size() - 8) {
    w.error = "RIFF size does not match the file size";
    return w;
  }
  size_t p = 12;
  while (p + 8 <= d.size()) {
    std::string id(d.begin() + p, d.begin() + p + 4);
    uint32_t len = U32(d, p + 4);
    if (p + 8 + len > d.size()) {
      w.error = "chunk " + id + " runs past the end";
      return w;
    }
    w.chunk_ids.push_back(id);
    if (id == "fmt " && len >= 16) {
      w.fmt_size = len;
      w.format_tag = U16(d, p + 8);
      w.channels = U16(d, p + 10);
      w.rate = U32(d, p + 12);
      w.byte_rate = U32(d, p + 16);
      w.block_align = U16(d, p + 20);
      w.bits = U16(d, p + 22);
    } else if (id == "data") {
      w.data.assign(d.begin() + p + 8, d.begin() + p + 8 + len);
    }
    p += 8 + len + (len & 1);
  }
  if (p != d.size()) w.error = "bytes left after the last chunk";
  return w;
}

// Samples of one channel, scaled to -1 .. +1.
std::vector<double> Channel(const Wave& w, int c) {
  std::vector<double> s;
  const int step = w.channels * w.bits / 8;
  for (size_t p = size_t(c) * (w.bits / 8); p + w.bits / 8 <= w.data.size(); p += step) {
    if (w.bits == 8) {
      s.push_back((int(w.data[p]) - 128) / 128.0);
    } else {
      s.push_back(int16_t(w.data[p] | w.data[p + 1] << 8) / 32768.0);
    }
  }
  return s;
}

double Percentile99Step(const std::vector<double>& s) {
  std::vector<double> d;
  d.reserve(s.size());
  for (size_t i = 1; i < s.size(); ++i) d.push_back(std::fabs(s[i] - s[i - 1]));
  size_t k = size_t(0.99 * (d.size() - 1));
  std::nth_element(d.begin(), d.begin() + k, d.end());
  return d[k];
}

TEST(SoundAssets, EveryRecordingHasItsCatalogueFormat) {
  for (const Item& it : kItems) {
    if (it.channels == 0) continue;
    SCOPED_TRACE(it.name);
    Wave w = ReadWave(PathOf(it));
    ASSERT_EQ(w.error, "");
    ASSERT_EQ(w.chunk_ids, (std::vector<std::string>{"fmt ", "data"}));
    EXPECT_EQ(w.fmt_size, 16u);
    EXPECT_EQ(w.format_tag, 1);
    EXPECT_EQ(w.channels, it.channels);
    EXPECT_EQ(w.rate, uint32_t(it.rate));
    EXPECT_EQ(w.bits, it.bits);
    EXPECT_EQ(w.block_align, it.channels * it.bits / 8);
    EXPECT_EQ(w.byte_rate, uint32_t(it.rate) * it.channels * it.bits / 8);
    EXPECT_EQ(w.data.size(), it.bytes);
  }
}

TEST(SoundAssets, ItemsWithoutRecordingHaveNoFile) {
  int without = 0;
  for (const Item& it : kItems) {
    if (it.channels != 0) continue;
    ++without;
    EXPECT_FALSE(Exists(PathOf(it))) << it.name;
  }
  EXPECT_EQ(without, 2);  // hura and benzin
}

TEST(SoundAssets, PeaksStayAtOrBelowMinusOneDecibel) {
  const double limit = std::pow(10.0, -1.0 / 20.0);
  for (const Item& it : kItems) {
    if (it.channels == 0) continue;
    SCOPED_TRACE(it.name);
    Wave w = ReadWave(PathOf(it));
    ASSERT_EQ(w.error, "");
    double peak = 0, sum = 0;
    size_t n = 0;
    for (int c = 0; c < w.channels; ++c) {
      for (double v : Channel(w, c)) {
        peak = std::max(peak, std::fabs(v));
        sum += v * v;
        ++n;
      }
    }
    EXPECT_LE(peak, limit);
    // Not silent: every recording carries a real signal.
    ASSERT_GT(n, 0u);
    EXPECT_GT(20 * std::log10(std::sqrt(sum / n)), -40.0);
  }
}

TEST(SoundAssets, LoopedRecordingsJoinWithoutAClick) {
  int loops = 0;
  for (const Item& it : kItems) {
    if (!it.game_loops) continue;
    ++loops;
    SCOPED_TRACE(it.name);
    Wave w = ReadWave(PathOf(it));
    ASSERT_EQ(w.error, "");
    for (int c = 0; c < w.channels; ++c) {
      std::vector<double> s = Channel(w, c);
      ASSERT_GT(s.size(), 1000u);
      double seam = std::fabs(s.front() - s.back());
      EXPECT_LE(seam, Percentile99Step(s)) << "channel " << c;
    }
  }
  EXPECT_EQ(loops, 10);
}

TEST(SoundAssets, GeneratorCatalogueMatchesTheList) {
  // The sound generator reads its own copy of the list; both must agree.
  std::ifstream f(std::string(HELI_SOURCE_DIR) + "/assets/src/sounds/catalogue.txt");
  ASSERT_TRUE(f);
  std::string line;
  size_t row = 0;
  while (std::getline(f, line)) {
    line = line.substr(0, line.find('#'));
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    int index, channels, rate, bits;
    unsigned long bytes;
    char name[32], loop[8];
    ASSERT_EQ(std::sscanf(line.c_str(), "%d %31s %7s %d %d %d %lu", &index, name, loop,
                          &channels, &rate, &bits, &bytes),
              7)
        << line;
    ASSERT_LT(row, std::size(kItems));
    const Item& it = kItems[row++];
    EXPECT_EQ(index, it.index);
    EXPECT_EQ(std::string(name), it.name);
    EXPECT_EQ(std::string(loop) == "yes", it.stored_loop) << it.name;
    EXPECT_EQ(channels, it.channels) << it.name;
    EXPECT_EQ(rate, it.rate) << it.name;
    EXPECT_EQ(bits, it.bits) << it.name;
    EXPECT_EQ(bytes, it.bytes) << it.name;
  }
  EXPECT_EQ(row, std::size(kItems));
}

}  // namespace
