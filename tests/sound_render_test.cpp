// Plays a tone through the mixer into a file and measures what came out.
//
// The mixer reads its configuration once per process, at the first device
// open, and other tests in this binary open the null device first. So the
// rendering runs in a fresh copy of this test program (fork + exec) that sees
// only the file-writing configuration; this process then analyses the file.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "media/sound.h"
#include "media/wave.h"
#include "tests/wav_builder.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kChildVar = "HELI_RENDER_CHILD";

std::vector<std::uint8_t> ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The child's part: a full-scale 440 Hz tone recorded at 22050 Hz, played at
// 30000 Hz and -7 dB.
void RenderTone() {
  media::SoundDevice device;
  ASSERT_TRUE(device.Initialize(true)) << device.Status();
  media::WaveList list;
  list.Attach(device);
  media::Wave& w = list.Add("tone", false, testwav::Tone(440, 22050, 1.0, 32767));
  w.SetWaveFrequency(30000);
  w.SetWaveVolume(-700);
  w.PlayWave(true);
  EXPECT_FALSE(w.Playing());
}  // closing the device completes the file's header

TEST(SoundRender, ToneKeepsPitchAndLevelThroughTheMixer) {
  if (std::getenv(kChildVar)) return RenderTone();

  std::string pattern = (fs::temp_directory_path() / "heli-render-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const fs::path dir = pattern, out = dir / "out.wav", log = dir / "child.log";
  const fs::path conf = dir / "alsoft.conf";
  std::ofstream(conf) << "[general]\ndrivers=wave\nchannels=mono\nsample-type=int16\n"
                         "frequency=22050\nperiod_size=256\n[wave]\nfile="
                      << out.string() << "\n";

  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    unsetenv("ALSOFT_DRIVERS");  // it would override the configured driver
    setenv(kChildVar, "1", 1);
    if (FILE* f = std::freopen(log.c_str(), "w", stdout)) dup2(fileno(f), 2);
    execl("/proc/self/exe", "heli_tests", "--gtest_filter=SoundRender.*", nullptr);
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  const auto log_bytes = ReadFile(log);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << std::string(log_bytes.begin(), log_bytes.end());

  const media::WaveData rendered = media::ReadWave(ReadFile(out));
  fs::remove_all(dir);
  ASSERT_EQ(rendered.channels, 1);
  ASSERT_EQ(rendered.bits, 16);
  ASSERT_EQ(rendered.rate, 22050);
  std::vector<double> s(rendered.samples.size() / 2);
  for (std::size_t i = 0; i < s.size(); ++i)
    s[i] = static_cast<std::int16_t>(rendered.samples[2 * i] | rendered.samples[2 * i + 1] << 8);

  // The sounding part, without its first and last few milliseconds.
  std::size_t first = 0, last = s.size();
  while (first < s.size() && std::abs(s[first]) < 1000) ++first;
  while (last > first && std::abs(s[last - 1]) < 1000) --last;
  const double seconds = static_cast<double>(last - first) / 22050;
  EXPECT_NEAR(seconds, 22050.0 / 30000, 0.02);  // the recording plays faster
  ASSERT_GT(last - first, 4000u);
  first += 500;
  last -= 500;

  // Pitch from the upward zero crossings, placed between samples.
  int crossings = 0;
  double t_first = 0, t_last = 0;
  for (std::size_t i = first; i + 1 < last; ++i) {
    if (s[i] < 0 && s[i + 1] >= 0) {
      const double t = static_cast<double>(i) + s[i] / (s[i] - s[i + 1]);
      if (crossings++ == 0) t_first = t;
      t_last = t;
    }
  }
  ASSERT_GT(crossings, 100);
  const double hz = (crossings - 1) / ((t_last - t_first) / 22050);
  EXPECT_NEAR(hz, 440.0 * 30000 / 22050, 1.0);

  // Level against the full-scale input's RMS.
  double sum = 0;
  for (std::size_t i = first; i < last; ++i) sum += s[i] * s[i];
  const double rms = std::sqrt(sum / static_cast<double>(last - first));
  EXPECT_NEAR(20 * std::log10(rms / (32767 / std::sqrt(2.0))), -7.0, 0.5);
}

}  // namespace
