#include "game/landing.h"

#include <algorithm>

#include "game/pictures.h"
#include "game/state.h"
#include "levels/level_tables.h"

namespace heli {

namespace {

struct Box {
  i32 left, top, right, bottom;
};

// The helicopter's point lies strictly inside the box.
bool HeliInside(const GameState& g, const Box& b) {
  return b.left < g.view_x && g.view_x < b.right && b.top < g.view_y && g.view_y < b.bottom;
}

Box Grown(const Box& b, i32 by) {
  return {b.left - by, b.top - by, b.right + by, b.bottom + by};
}

// Records 1..4 take their pictures from the fixed list, the rest from the level's.
Box ObjectBox(const GameState& g, int record) {
  const WorldObject& o = g.objects.At(record);
  const PictureSizes& list = record <= 4 ? g.ostrovy_sizes : g.poz_sizes;
  return {o.x, o.y, o.x + list.Width(o.image), o.y + list.Height(o.image)};
}

bool HeadingDownTheScreen(const GameState& g) {
  return g.heading >= 120 && g.heading <= 135;
}

void BasePad(GameState& g, WorldObject& o, const Box& r) {
  o.landed_ok = 0;
  g.pad_volume = -700;
  if (HeliInside(g, {r.left + 35, r.top + 50, r.right - 5, r.bottom - 10}) &&
      HeadingDownTheScreen(g)) {
    o.landed_ok = 1;
    g.crashed = 0;
    g.pad_volume = -7000;
  }
}

void FuelPad(GameState& g, WorldObject& o, const Box& r) {
  o.landed_ok = 0;
  g.pad_volume = -700;
  if (HeliInside(g, {r.left, r.top + 40, r.right, r.bottom - 30}) && HeadingDownTheScreen(g)) {
    o.landed_ok = 1;
    g.crashed = 0;
    g.pad_volume = -7000;
  }
  // While refuelling, fuel_tick counts ticks: one unit every sixth.
  if (g.altitude < 6 && g.fuel < 150 && g.rotor_rpm < 5 && o.landed_ok == 1) {
    ++g.fuel_tick;
    if (g.fuel_tick > 5) {
      ++g.fuel;
      g.fuel_tick = 0;
    }
  }
}

i32 RampUp(i32 volume, i32 step, i32 ceiling) {
  return std::min(volume + step, ceiling);
}
i32 FadeOut(i32 volume) {
  return std::max(volume - 30, -7000);
}

// Levels 2 and 4: the fire around record 5 is heard from afar and throws the
// helicopter about close by.
void Fire(GameState& g, const LevelParticulars& level, const Box& fire) {
  const u8 r = static_cast<u8>(g.random(550));
  i32& volume = g.*level.hazard_volume;
  volume = HeliInside(g, Grown(fire, 500)) ? RampUp(volume, 80, -700) : FadeOut(volume);
  g.sounds.SetVolume(level.hazard_sound, volume);
  if (HeliInside(g, Grown(fire, 20))) {
    if (r < 51) --g.heading;
    if (r >= 101 && r <= 120) g.heading = static_cast<u8>(g.heading + 2);
    if (r == 100 || r == 105 || r == 110) g.speed += level.fire_gust;
  }
}

// Level 6: the boat drifts away south and shoots at a helicopter that hangs
// over it.
void Boat(GameState& g, const LevelParticulars& level, const Box& boat) {
  const i32 r = g.random(150);
  g.hit_flag = 0;
  i32& volume = g.*level.hazard_volume;
  volume = HeliInside(g, Grown(boat, 800)) ? RampUp(volume, 150, -600) : FadeOut(volume);
  g.sounds.SetVolume(level.hazard_sound, volume);
  if (g.objects.At(5).y > 24000 && g.endangered > 0) g.crashed = 1;
  if (HeliInside(g, {boat.left - 20, boat.top - 20, boat.right + 40, boat.bottom + 200})) {
    if (r >= 101 && r <= 120) {
      g.hit_flag = 1;
      g.heading = static_cast<u8>(g.heading + 3);
      --g.fuel;
      g.sounds.SetVolume(kVystrel, -1500);
      g.sounds.Play(kVystrel);
    }
    if (r == 100 || r == 105 || r == 110) {
      g.hit_flag = 1;
      --g.heading;
      g.speed += 3;
    }
  }
}

}  // namespace

void PadsTick(GameState& g) {
  g.pad_volume = -7000;
  if (g.altitude < 7) g.crashed = 1;  // ditching, unless land or a pad says otherwise below
  g.over_pad = 0;

  for (int n = 1; n <= 4; ++n) {
    WorldObject& o = g.objects.At(n);
    const Box r = ObjectBox(g, n);
    if (!HeliInside(g, r)) continue;
    if (o.tall == 1 && o.clearance > g.altitude) g.crashed = 1;
    g.over_pad = 1;
    if (o.image == pic::ostrovy::kZaklNulova) BasePad(g, o, r);
    if (o.image == pic::ostrovy::kBenzin0) FuelPad(g, o, r);
  }

  const int tiles = std::min<int>(g.tile_count, g.tiles.capacity);
  for (int n = 1; n <= tiles; ++n) {
    const Tile& t = g.tiles.At(n);
    const Box inner{t.x + 20, t.y + 20, t.x + g.ostrovy_sizes.Width(t.image) - 20,
                    t.y + g.ostrovy_sizes.Height(t.image) - 20};
    if (HeliInside(g, inner)) g.crashed = 0;  // low over land is safe
  }

  g.sounds.SetVolume(kSirena, g.pad_volume);
}

void HazardsTick(GameState& g) {
  if (g.object_count < 5) return;
  const int count = std::min<int>(g.object_count, g.objects.capacity);
  const LevelParticulars& level = ParticularsOf(g.level);
  for (int n = 5; n <= count; ++n) {
    // The level hazards always concern record 5, but are rolled once per
    // scenery record, so busier levels ramp and throw faster.
    if (level.hazard == LevelParticulars::Hazard::Fire) Fire(g, level, ObjectBox(g, 5));
    if (level.hazard == LevelParticulars::Hazard::Boat) Boat(g, level, ObjectBox(g, 5));

    const WorldObject& o = g.objects.At(n);
    const Box r = ObjectBox(g, n);
    if (HeliInside(g, Grown(r, -20)) && o.tall == 1 && o.clearance > g.altitude) g.crashed = 1;
  }
}

}  // namespace heli
