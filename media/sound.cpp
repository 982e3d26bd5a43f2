#include "media/sound.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace media {
namespace {

ALCdevice* AsDevice(void* p) {
  return static_cast<ALCdevice*>(p);
}
ALCcontext* AsContext(void* p) {
  return static_cast<ALCcontext*>(p);
}

bool SourcePlaying(ALuint source) {
  ALint state = AL_STOPPED;
  alGetSourcei(source, AL_SOURCE_STATE, &state);
  return state == AL_PLAYING;
}

ALenum Format(const WaveData& w) {
  if (w.channels == 2) return w.bits == 16 ? AL_FORMAT_STEREO16 : AL_FORMAT_STEREO8;
  return w.bits == 16 ? AL_FORMAT_MONO16 : AL_FORMAT_MONO8;
}

// A voice plays its buffer as it is: unpositioned, at the listener (centre).
ALuint NewVoice(ALuint buffer) {
  alGetError();
  ALuint source = 0;
  alGenSources(1, &source);
  if (alGetError() != AL_NO_ERROR) return 0;
  alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
  alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
  alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
  if (alGetError() != AL_NO_ERROR) {
    alDeleteSources(1, &source);
    return 0;
  }
  return source;
}

}  // namespace

// ---- SoundDevice ----

SoundDevice::~SoundDevice() {
  // Lists may outlive the device; their voices must go before the context does.
  for (WaveList* list : lists_) {
    list->Release();
    list->device_ = nullptr;
  }
  lists_.clear();
  Close();
}

void SoundDevice::Close() {
  if (context_) {
    if (alcGetCurrentContext() == AsContext(context_)) alcMakeContextCurrent(nullptr);
    alcDestroyContext(AsContext(context_));
    context_ = nullptr;
  }
  if (device_) {
    alcCloseDevice(AsDevice(device_));
    device_ = nullptr;
  }
}

namespace {

// The sound libraries print their own diagnostics while they look for a device;
// a machine without a sound card is normal for this game, and the one line the
// player sees comes from the caller.
ALCdevice* OpenDefaultDeviceQuietly() {
  std::fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  const int quiet = open("/dev/null", O_WRONLY);
  if (saved >= 0 && quiet >= 0) dup2(quiet, STDERR_FILENO);
  ALCdevice* device = alcOpenDevice(nullptr);
  if (saved >= 0) {
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
  }
  if (quiet >= 0) close(quiet);
  return device;
}

}  // namespace

bool SoundDevice::Initialize(bool enabled) {
  for (WaveList* list : lists_) list->Release();
  Close();
  if (!enabled) {
    status_ = "sound switched off";
    return false;
  }
  ALCdevice* device = OpenDefaultDeviceQuietly();
  if (!device) {
    status_ = "no sound device could be opened; playing without sound";
    return false;
  }
  ALCcontext* context = alcCreateContext(device, nullptr);
  if (!context || !alcMakeContextCurrent(context)) {
    if (context) alcDestroyContext(context);
    alcCloseDevice(device);
    status_ = "the sound device could not be set up; playing without sound";
    return false;
  }
  device_ = device;
  context_ = context;
  const ALCchar* name = alcGetString(device, ALC_DEVICE_SPECIFIER);
  status_ = std::string("sound on ") + (name ? name : "the default device");
  SetFocus(focus_);
  for (WaveList* list : lists_) list->Restore();
  return true;
}

bool SoundDevice::MakeCurrent() const {
  if (!context_) return false;
  if (alcGetCurrentContext() != AsContext(context_)) alcMakeContextCurrent(AsContext(context_));
  return true;
}

void SoundDevice::SetFocus(bool has_focus) {
  focus_ = has_focus;
  if (MakeCurrent())
    alListenerf(AL_GAIN, has_focus ? static_cast<float>(volume_percent_) / 100.0f : 0.0f);
}

void SoundDevice::SetVolume(int percent) {
  volume_percent_ = std::clamp(percent, 0, 100);
  SetFocus(focus_);
}

// ---- Wave ----

Wave::Wave(std::string name, bool looped, WaveData recording)
    : name_(std::move(name)), looped_(looped), recording_(std::move(recording)) {}

Wave::~Wave() {
  Release();
}

bool Wave::Live() const {
  return device_ && device_->MakeCurrent();
}

void Wave::Restore(const SoundDevice& device) {
  Release();
  device_ = &device;
  if (!HasRecording() || !device.MakeCurrent()) return;
  alGetError();
  alGenBuffers(1, &buffer_);
  if (alGetError() != AL_NO_ERROR) {
    buffer_ = 0;
    return;
  }
  alBufferData(buffer_, Format(recording_), recording_.samples.data(),
               static_cast<ALsizei>(recording_.samples.size()), recording_.rate);
  if (alGetError() != AL_NO_ERROR || (main_ = NewVoice(buffer_)) == 0) {
    alDeleteBuffers(1, &buffer_);
    buffer_ = 0;
    return;
  }
  ApplyRate(main_);
  ApplyVolume(main_);
}

void Wave::Release() {
  if (device_ && device_->MakeCurrent()) {
    // Sources go first: a buffer still attached to one cannot be deleted.
    if (!extras_.empty()) alDeleteSources(static_cast<ALsizei>(extras_.size()), extras_.data());
    if (main_) alDeleteSources(1, &main_);
    if (buffer_) alDeleteBuffers(1, &buffer_);
  }
  extras_.clear();
  main_ = buffer_ = 0;
  device_ = nullptr;
}

void Wave::ApplyRate(unsigned source) const {
  float pitch = 1.0f;
  if (frequency_ > 0 && recording_.rate > 0)
    pitch = static_cast<float>(frequency_) / static_cast<float>(recording_.rate);
  alSourcef(source, AL_PITCH, pitch);
}

void Wave::ApplyVolume(unsigned source) const {
  const int v = std::clamp(volume_, -10000, 0);
  const float gain = v <= -10000 ? 0.0f : static_cast<float>(std::pow(10.0, v / 2000.0));
  alSourcef(source, AL_GAIN, gain);
}

void Wave::StopVoices() {
  if (!Live()) return;
  if (main_) alSourceStop(main_);
  for (ALuint s : extras_) alSourceStop(s);
}

void Wave::FreeExtraVoices() {
  if (Live() && !extras_.empty())
    alDeleteSources(static_cast<ALsizei>(extras_.size()), extras_.data());
  extras_.clear();
}

void Wave::SetLooped(bool looped) {
  if (looped == looped_) return;
  StopVoices();
  looped_ = looped;
}

void Wave::SetMaxPlayingCount(int count) {
  count = std::max(count, 0);
  if (count == max_playing_) return;
  max_playing_ = count;
  FreeExtraVoices();
}

void Wave::PlayWave(bool wait) {
  if (!HasRecording()) return;
  ++starts_;
  if (!Live() || !main_) return;
  if (looped_) {
    alSourceStop(main_);
    alSourceRewind(main_);
    alSourcei(main_, AL_LOOPING, AL_TRUE);
    alSourcePlay(main_);
    return;
  }
  auto free_voice =
      std::find_if(extras_.begin(), extras_.end(), [](ALuint s) { return !SourcePlaying(s); });
  ALuint voice = 0;
  if (free_voice != extras_.end()) {
    voice = *free_voice;
  } else if (max_playing_ == 0 || static_cast<int>(extras_.size()) < max_playing_) {
    voice = NewVoice(buffer_);
    if (!voice) return;  // the mixer has no more voices: this start is dropped
    extras_.push_back(voice);
  } else {
    // At the limit the oldest start gives way and becomes the newest.
    voice = extras_.front();
    extras_.erase(extras_.begin());
    extras_.push_back(voice);
  }
  alSourceStop(voice);
  alSourceRewind(voice);
  alSourcei(voice, AL_LOOPING, AL_FALSE);
  ApplyRate(voice);
  ApplyVolume(voice);
  alSourcePlay(voice);
  while (wait && SourcePlaying(voice)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void Wave::StopWave() {
  ++stops_;
  StopVoices();
}

void Wave::SetWaveFrequency(int hz) {
  frequency_ = hz;
  if (Live() && main_) ApplyRate(main_);
}

void Wave::SetWaveVolume(int hundredths_db) {
  volume_ = std::clamp(hundredths_db, -10000, 0);
  if (Live() && main_) ApplyVolume(main_);
}

int Wave::VoiceCount() const {
  return (main_ ? 1 : 0) + static_cast<int>(extras_.size());
}

bool Wave::Playing() const {
  if (!Live()) return false;
  if (main_ && SourcePlaying(main_)) return true;
  return std::any_of(extras_.begin(), extras_.end(), SourcePlaying);
}

std::vector<Wave::VoiceState> Wave::Voices() const {
  std::vector<VoiceState> out;
  if (!Live()) return out;
  auto describe = [&out](ALuint s) {
    VoiceState v;
    v.playing = SourcePlaying(s);
    alGetSourcef(s, AL_PITCH, &v.pitch);
    alGetSourcef(s, AL_GAIN, &v.gain);
    ALint offset = 0;
    alGetSourcei(s, AL_SAMPLE_OFFSET, &offset);
    v.position = offset;
    out.push_back(v);
  };
  if (main_) describe(main_);
  for (ALuint s : extras_) describe(s);
  return out;
}

// ---- WaveList ----

WaveList::~WaveList() {
  Release();
  if (device_) std::erase(device_->lists_, this);
}

void WaveList::Attach(SoundDevice& device) {
  if (device_ == &device) return;
  Release();
  if (device_) std::erase(device_->lists_, this);
  device_ = &device;
  device.lists_.push_back(this);
  Restore();
}

void WaveList::Restore() {
  if (!device_ || !device_->Initialized()) return;
  for (auto& item : items_) item->Restore(*device_);
}

void WaveList::Release() {
  for (auto& item : items_) item->Release();
}

Wave& WaveList::Add(std::string name, bool looped, std::span<const std::uint8_t> wav_bytes,
                    WaveStorage storage) {
  WaveData recording;
  if (!wav_bytes.empty()) recording = ReadWave(wav_bytes, storage);
  items_.push_back(std::make_unique<Wave>(std::move(name), looped, std::move(recording)));
  Wave& wave = *items_.back();
  if (device_ && device_->Initialized()) wave.Restore(*device_);
  return wave;
}

Wave& WaveList::Items(int index) {
  if (index < 0 || index >= Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  return *items_[static_cast<std::size_t>(index)];
}

}  // namespace media
