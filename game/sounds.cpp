#include "game/sounds.h"

#include <algorithm>

namespace heli {

namespace {

constexpr StoredWave kWaves[kWaveCount] = {
    {"h_menu", true, true},    {"helik", true, true},    {"vytah", false, true},
    {"vybuch", false, true},   {"vlny", true, true},     {"hlas", false, true},
    {"hura", false, false},    {"klik", false, true},    {"cizivrtulnik", false, true},
    {"tamrox", true, true},    {"drama", false, true},   {"storm", false, true},
    {"kasel", false, true},    {"mrtvy", false, true},   {"kroky", false, true},
    {"lodicka", false, true},  {"vystrel", false, true}, {"ohen", false, true},
    {"sirena", false, true},   {"fanfara", false, true}, {"benzin", false, false},
    {"hudba_hra", false, true}};

}  // namespace

std::span<const StoredWave> StoredWaves() {
  return kWaves;
}

SoundBoard::SoundBoard() {
  for (int i = 0; i < kWaveCount; ++i) waves_[i].looped = kWaves[i].looped;
}

void SoundBoard::Play(WaveId w) {
  if (kWaves[w].recorded) ++waves_[w].starts;
  requests_.push_back({w, SoundRequest::Kind::Play});
}

void SoundBoard::Stop(WaveId w) {
  ++waves_[w].stops;
  requests_.push_back({w, SoundRequest::Kind::Stop});
}

void SoundBoard::SetLooped(WaveId w, bool looped) {
  waves_[w].looped = looped;
  requests_.push_back({w, SoundRequest::Kind::Looped, looped ? 1 : 0});
}

void SoundBoard::SetVolume(WaveId w, std::int32_t hundredths_db) {
  waves_[w].volume = std::clamp(hundredths_db, -10000, 0);
  requests_.push_back({w, SoundRequest::Kind::Volume, waves_[w].volume});
}

void SoundBoard::SetFrequency(WaveId w, std::int32_t hz) {
  waves_[w].frequency = hz;
  requests_.push_back({w, SoundRequest::Kind::Frequency, hz});
}

}  // namespace heli
