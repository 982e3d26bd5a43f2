#include "media/sound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "tests/wav_builder.h"

namespace {

using namespace media;
using namespace std::chrono_literals;

// The null backend plays in real time into nothing, so voices start and end on time.
class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("ALSOFT_DRIVERS", "null", 1);
    ASSERT_TRUE(device.Initialize(true)) << device.Status();
    list.Attach(device);
  }
  static bool WaitUntilSilent(const Wave& w) {
    for (int i = 0; i < 300 && w.Playing(); ++i) std::this_thread::sleep_for(10ms);
    return !w.Playing();
  }
  SoundDevice device;
  WaveList list;
};

TEST_F(SoundTest, OverlappingOneShotsMakeVoicesAndFreeOnesAreReused) {
  Wave& w = list.Add("klik", false, testwav::Tone(440, 22050, 0.25, 8000));
  EXPECT_EQ(w.VoiceCount(), 1);  // the main voice only
  for (int i = 0; i < 3; ++i) w.PlayWave();
  EXPECT_EQ(w.VoiceCount(), 4);
  EXPECT_TRUE(w.Playing());
  EXPECT_EQ(w.Starts(), 3);
  ASSERT_TRUE(WaitUntilSilent(w));

  w.PlayWave();  // all ended: the first extra voice plays again
  EXPECT_EQ(w.VoiceCount(), 4);
  auto v = w.Voices();
  EXPECT_TRUE(v[1].playing);
  EXPECT_FALSE(v[2].playing);
  EXPECT_FALSE(v[0].playing);  // the main voice is never used for one-shot starts
  w.PlayWave();
  w.PlayWave();
  EXPECT_EQ(w.VoiceCount(), 4);
  w.PlayWave();  // three still playing: a new voice
  EXPECT_EQ(w.VoiceCount(), 5);

  w.StopWave();
  EXPECT_FALSE(w.Playing());
  EXPECT_EQ(w.Stops(), 1);
  EXPECT_EQ(w.Starts(), 7);
}

TEST_F(SoundTest, AtThePlayingLimitTheOldestStartGivesWay) {
  Wave& w = list.Add("vytah", false, testwav::Tone(440, 22050, 1.0, 8000));
  w.SetMaxPlayingCount(2);
  w.PlayWave();
  std::this_thread::sleep_for(100ms);
  w.PlayWave();
  std::this_thread::sleep_for(100ms);
  w.PlayWave();  // restarts the first extra voice and moves it to the end
  ASSERT_EQ(w.VoiceCount(), 3);
  auto v = w.Voices();
  EXPECT_GT(v[1].position, v[2].position + 22050 / 20);
  EXPECT_LT(v[2].position, 22050 / 20);
  w.SetMaxPlayingCount(0);  // a new limit frees the extra voices
  EXPECT_EQ(w.VoiceCount(), 1);
}

TEST_F(SoundTest, LoopedStartRestartsTheOneVoice) {
  Wave& shortloop = list.Add("vlny", true, testwav::Tone(440, 22050, 0.2, 8000));
  shortloop.PlayWave();
  Wave& w = list.Add("helik", true, testwav::Tone(440, 22050, 1.0, 8000));
  w.PlayWave();
  std::this_thread::sleep_for(400ms);
  EXPECT_TRUE(shortloop.Playing());  // past its length: it loops on
  ASSERT_EQ(w.VoiceCount(), 1);
  const int before = w.Voices()[0].position;
  EXPECT_GT(before, 22050 / 5);
  w.PlayWave();
  EXPECT_EQ(w.VoiceCount(), 1);
  EXPECT_TRUE(w.Playing());
  EXPECT_LT(w.Voices()[0].position, 22050 / 10);  // back at the start, give or take a period
}

TEST_F(SoundTest, ChangingLoopedStopsButTheSameValueKeepsPlaying) {
  Wave& w = list.Add("vlny", false, testwav::Tone(440, 22050, 1.0, 8000));
  w.SetLooped(true);
  w.PlayWave();
  w.SetLooped(true);
  EXPECT_TRUE(w.Playing());
  w.SetLooped(false);
  EXPECT_FALSE(w.Playing());
  EXPECT_FALSE(w.Looped());

  w.PlayWave();  // one-shot now: an extra voice
  EXPECT_TRUE(w.Playing());
  w.SetLooped(true);
  EXPECT_FALSE(w.Playing());
  EXPECT_EQ(w.Stops(), 0);  // only StopWave calls count
}

TEST_F(SoundTest, FrequencyAndVolumeReachExtraVoicesAtTheirNextStart) {
  Wave& w = list.Add("hlas", false, testwav::Tone(440, 22050, 1.0, 8000));
  w.PlayWave();
  w.SetWaveFrequency(44100);
  w.SetWaveVolume(-2000);
  auto v = w.Voices();
  ASSERT_EQ(v.size(), 2u);
  EXPECT_FLOAT_EQ(v[0].pitch, 2.0f);  // the main voice at once
  EXPECT_NEAR(v[0].gain, 0.1f, 1e-5);
  EXPECT_FLOAT_EQ(v[1].pitch, 1.0f);  // the playing extra voice keeps its settings
  EXPECT_FLOAT_EQ(v[1].gain, 1.0f);
  w.PlayWave();
  v = w.Voices();
  ASSERT_EQ(v.size(), 3u);
  EXPECT_FLOAT_EQ(v[2].pitch, 2.0f);
  EXPECT_NEAR(v[2].gain, 0.1f, 1e-5);
  EXPECT_FLOAT_EQ(v[1].pitch, 1.0f);

  w.SetWaveFrequency(0);  // the recording's own rate
  EXPECT_FLOAT_EQ(w.Voices()[0].pitch, 1.0f);
  w.SetWaveVolume(-10000);
  EXPECT_EQ(w.Voices()[0].gain, 0.0f);
  w.SetWaveVolume(-20000);
  EXPECT_EQ(w.WaveVolume(), -10000);
  w.SetWaveVolume(300);
  EXPECT_EQ(w.WaveVolume(), 0);
  EXPECT_FLOAT_EQ(w.Voices()[0].gain, 1.0f);
}

TEST_F(SoundTest, EveryStoredFormatPlaysForItsLength) {
  struct Format {
    int channels, bits;
  } formats[] = {{1, 8}, {2, 8}, {1, 16}, {2, 16}};
  for (const Format& f : formats) {
    // 0.25 s of silence; a wrong frame size would change how long it plays.
    const int rate = 22050;
    std::vector<std::uint8_t> samples(rate / 4 * f.channels * f.bits / 8, f.bits == 8 ? 0x80 : 0);
    Wave& w = list.Add("x", false, testwav::Wav(f.channels, rate, f.bits, samples));
    ASSERT_EQ(w.VoiceCount(), 1) << f.channels << "x" << f.bits;
    const auto start = std::chrono::steady_clock::now();
    w.PlayWave();
    ASSERT_TRUE(WaitUntilSilent(w));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_GT(took.count(), 0.2) << f.channels << "x" << f.bits;
    EXPECT_LT(took.count(), 0.45) << f.channels << "x" << f.bits;
  }
}

TEST_F(SoundTest, SoundWithoutRecordingDoesNothing) {
  Wave& w = list.Add("hura", false, {});
  EXPECT_FALSE(w.HasRecording());
  w.PlayWave();
  w.SetLooped(true);
  w.PlayWave();
  w.StopWave();
  EXPECT_EQ(w.VoiceCount(), 0);
  EXPECT_FALSE(w.Playing());
  EXPECT_EQ(w.Starts(), 0);
  EXPECT_EQ(w.Stops(), 1);
}

TEST(Sound, WithoutDeviceValuesAndCountersAreKept) {
  SoundDevice device;
  EXPECT_FALSE(device.Initialize(false));
  EXPECT_FALSE(device.Initialized());
  EXPECT_FALSE(device.Status().empty());
  WaveList list;
  list.Attach(device);
  Wave& w = list.Add("h_menu", false, testwav::Tone(440, 11025, 0.1, 8000));
  w.SetLooped(true);
  w.SetWaveFrequency(30000);
  w.SetWaveVolume(-700);
  w.PlayWave(true);  // must not wait for anything
  w.PlayWave();
  w.StopWave();
  device.SetFocus(false);
  EXPECT_TRUE(w.Looped());
  EXPECT_EQ(w.WaveFrequency(), 30000);
  EXPECT_EQ(w.WaveVolume(), -700);
  EXPECT_EQ(w.Starts(), 2);
  EXPECT_EQ(w.Stops(), 1);
  EXPECT_EQ(w.VoiceCount(), 0);
  EXPECT_FALSE(w.Playing());
  EXPECT_TRUE(w.Voices().empty());
}

TEST(Sound, ListOutlivesDeviceAndGetsVoicesWhenTheDeviceOpens) {
  setenv("ALSOFT_DRIVERS", "null", 1);
  WaveList list;
  Wave* w = nullptr;
  {
    SoundDevice device;
    list.Attach(device);
    w = &list.Add("vybuch", true, testwav::Tone(440, 22050, 0.3, 8000));
    w->SetWaveFrequency(11025);
    EXPECT_EQ(w->VoiceCount(), 0);
    ASSERT_TRUE(device.Initialize(true)) << device.Status();
    ASSERT_EQ(w->VoiceCount(), 1);
    EXPECT_FLOAT_EQ(w->Voices()[0].pitch, 0.5f);  // settings made before apply
    w->PlayWave();
    EXPECT_TRUE(w->Playing());
  }
  // The device has gone: the sound is silent but keeps working.
  EXPECT_EQ(w->VoiceCount(), 0);
  w->PlayWave();
  EXPECT_FALSE(w->Playing());
  EXPECT_EQ(w->Starts(), 2);
}

TEST(Sound, ListIndexAndInvalidRecording) {
  WaveList list;
  list.Add("a", false, {});
  EXPECT_EQ(&list.Items(0), &list.Items(0));
  try {
    list.Items(22);
    ADD_FAILURE();
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (22)");
  }
  EXPECT_THROW(list.Items(-1), std::out_of_range);
  const std::vector<std::uint8_t> junk = {'R', 'I', 'F', 'F', 1, 2, 3};
  EXPECT_THROW(list.Add("b", false, junk), std::runtime_error);
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
