#pragma once
// The sound list as the game sees it: the stored recordings by name, and what the
// game has asked of each (volume, frequency, loop flag, plays and stops). The rules
// only change these values; the platform's sound list follows the requests after
// each step, so what is heard does not depend on where the rules run.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace heli {

// The sound list in its stored order; the names are those it is stored under.
enum WaveId : int {
  kHMenu,         // menu music, looped
  kHelik,         // the rotor, looped
  kVytah,         // the winch
  kVybuch,        // explosion
  kVlny,          // the sea, looped
  kHlas,          // a voice calling
  kHura,          // (no recording)
  kKlik,          // a click
  kCiziVrtulnik,  // the other helicopters' engines
  kTamrox,        // the vortex's wind, looped
  kDrama,         // the intro's music
  kStorm,         // thunder in the intro
  kKasel,         // coughing
  kMrtvy,         // a death
  kKroky,         // footsteps of the stretcher
  kLodicka,       // the boat
  kVystrel,       // a shot
  kOhen,          // fire
  kSirena,        // the landing siren
  kFanfara,       // fanfare at the base
  kBenzin,        // (no recording)
  kHudbaHra,      // the game's music
  kWaveCount
};

struct StoredWave {
  const char* name;
  bool looped;
  bool recorded;  // two items of the list hold no recording
};
std::span<const StoredWave> StoredWaves();

// What the game has set on one sound, as it would read it back.
struct WaveSetting {
  bool looped = false;
  std::int32_t volume = 0;     // hundredths of a decibel, -10000 .. 0
  std::int32_t frequency = 0;  // samples per second, 0 = the recording's own
  std::int32_t starts = 0;     // plays of a sound that has a recording
  std::int32_t stops = 0;
};

struct SoundRequest {
  enum class Kind : std::uint8_t { Play, Stop, Looped, Volume, Frequency };
  WaveId wave;
  Kind kind;
  std::int32_t value = 0;
};

class SoundBoard {
 public:
  SoundBoard();

  void Play(WaveId w);
  void Stop(WaveId w);
  void SetLooped(WaveId w, bool looped);
  void SetVolume(WaveId w, std::int32_t hundredths_db);
  void SetFrequency(WaveId w, std::int32_t hz);

  const WaveSetting& Setting(WaveId w) const { return waves_[w]; }
  // Every request since the last ClearRequests, in the order made.
  const std::vector<SoundRequest>& Requests() const { return requests_; }
  void ClearRequests() { requests_.clear(); }

 private:
  std::array<WaveSetting, kWaveCount> waves_{};
  std::vector<SoundRequest> requests_;
};

}  // namespace heli
