#pragma once
// The sound list: named recordings played through one sound device. A looped
// sound has a single voice that is restarted; a one-shot sound may overlap
// itself, each start taking a free extra voice or making a new one. Without a
// device every operation quietly does nothing, so the game can run silent.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "media/wave.h"

namespace media {

class WaveList;

class SoundDevice {
 public:
  SoundDevice() = default;
  ~SoundDevice();
  SoundDevice(const SoundDevice&) = delete;
  SoundDevice& operator=(const SoundDevice&) = delete;

  // Opens the default device (none when `enabled` is false). A missing device is
  // not an error: Initialized() stays false and Status() says why, in one line.
  bool Initialize(bool enabled);
  bool Initialized() const { return context_ != nullptr; }
  const std::string& Status() const { return status_; }

  // Sound is heard only while the window has the input focus.
  void SetFocus(bool has_focus);
  bool HasFocus() const { return focus_; }
  // The player's volume over every sound, 0..100 percent of full.
  void SetVolume(int percent);

  // Makes this device's context the current one before a sound call; false when
  // there is no device.
  bool MakeCurrent() const;

 private:
  friend class WaveList;
  void Close();

  void* device_ = nullptr;   // ALCdevice*
  void* context_ = nullptr;  // ALCcontext*
  bool focus_ = true;
  int volume_percent_ = 100;
  std::string status_ = "sound not set up";
  std::vector<WaveList*> lists_;  // attached lists, released before the device closes
};

class Wave {
 public:
  Wave(std::string name, bool looped, WaveData recording);
  ~Wave();
  Wave(const Wave&) = delete;
  Wave& operator=(const Wave&) = delete;

  const std::string& Name() const { return name_; }
  bool HasRecording() const { return !recording_.samples.empty(); }

  bool Looped() const { return looped_; }
  // A change stops the sound first; setting the same value leaves it playing.
  void SetLooped(bool looped);

  // 0 = no limit on overlapping one-shot voices; a change frees the extra voices.
  int MaxPlayingCount() const { return max_playing_; }
  void SetMaxPlayingCount(int count);

  // `wait` blocks until a one-shot start has finished playing.
  void PlayWave(bool wait = false);
  void StopWave();

  // Samples per second, 0 = the recording's own rate. Applied at once to the
  // main voice, to extra voices at their next start.
  int WaveFrequency() const { return frequency_; }
  void SetWaveFrequency(int hz);
  // Hundredths of a decibel, 0 (full) down to -10000 (silent); same timing.
  int WaveVolume() const { return volume_; }
  void SetWaveVolume(int hundredths_db);

  // Counters for a state dump: starts of a sound with a recording, and StopWave
  // calls (a stop caused by changing Looped is not counted).
  int Starts() const { return starts_; }
  int Stops() const { return stops_; }

  int VoiceCount() const;  // the main voice and the extra voices that exist
  bool Playing() const;    // any voice playing

  struct VoiceState {
    bool playing = false;
    float pitch = 1.0f, gain = 1.0f;
    int position = 0;  // sample frames into the recording
  };
  // The main voice first, then the extra voices in list order (state dumps, tests).
  std::vector<VoiceState> Voices() const;

 private:
  friend class WaveList;
  void Restore(const SoundDevice& device);  // makes the buffer and the main voice
  void Release();                           // frees every voice and the buffer
  bool Live() const;
  void StopVoices();
  void ApplyRate(unsigned source) const;
  void ApplyVolume(unsigned source) const;
  void FreeExtraVoices();

  std::string name_;
  bool looped_;
  WaveData recording_;
  int max_playing_ = 0;
  int frequency_ = 0;
  int volume_ = 0;
  int starts_ = 0, stops_ = 0;

  const SoundDevice* device_ = nullptr;  // set while initialised
  unsigned buffer_ = 0;                  // ALuint, 0 = none
  unsigned main_ = 0;                    // ALuint source, 0 = none
  std::vector<unsigned> extras_;
};

class WaveList {
 public:
  WaveList() = default;
  ~WaveList();
  WaveList(const WaveList&) = delete;
  WaveList& operator=(const WaveList&) = delete;

  // Items already added and those added later get their voices on this device
  // (at once when it is set up, else when it is).
  void Attach(SoundDevice& device);
  // Empty bytes make a sound without a recording; bytes that are not a recording
  // throw "Wave is invalid".
  // With WaveStorage::Static the bytes must outlive the list.
  Wave& Add(std::string name, bool looped, std::span<const std::uint8_t> wav_bytes,
            WaveStorage storage = WaveStorage::Copy);
  // Throws std::out_of_range("List index out of bounds (N)").
  Wave& Items(int index);
  int Count() const { return static_cast<int>(items_.size()); }

 private:
  friend class SoundDevice;
  void Restore();
  void Release();

  SoundDevice* device_ = nullptr;
  std::vector<std::unique_ptr<Wave>> items_;
};

}  // namespace media
