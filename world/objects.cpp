#include "world/objects.h"

#include <algorithm>
#include <span>

#include "game/pictures.h"
#include "game/state.h"
#include "levels/level_tables.h"
#include "world/people.h"

namespace heli {

namespace {

// Pictures of the fixed objects in the list ostrovy.
constexpr u8 kBasePad = pic::ostrovy::kZaklNulova;
constexpr u8 kBaseBuilding = pic::ostrovy::kZakladna2;
constexpr u8 kFuelPad = pic::ostrovy::kBenzin0;
constexpr u8 kFirstFlag = pic::ostrovy::kVlaj1;
constexpr u8 kLastFlag = pic::ostrovy::kVlaj4;

void Scroll(const GameState& g, WorldObject& o) {
  o.x += g.scroll_dx;
  o.y -= g.scroll_dy;
}

// A pad's landing light blinks 10 ticks of 21 while the helicopter is over any
// fixed object (the view shows it green only when it stands right on this pad).
void PadLight(WorldObject& o) {
  ++o.tick;
  if (o.tick > 20) o.tick = 0;
}

void BaseFlag(WorldObject& o) {
  ++o.tick;
  if (o.tick == 2) {
    ++o.frame;
    o.tick = 0;
  }
  if (o.frame > kLastFlag) o.frame = kFirstFlag;
  if (o.frame < kFirstFlag) o.frame = kFirstFlag;
}

void FixedObject(GameState& g, WorldObject& o) {
  Scroll(g, o);
  if (o.image == kBasePad && g.over_pad != 0) PadLight(o);
  if (o.image == kBaseBuilding) {
    BaseUnloadTick(g);
    if (g.endangered == 0) g.level_done = 1;
    BaseFlag(o);
  }
  if (o.image == kFuelPad && g.over_pad != 0) PadLight(o);
}

// Level 2's burning object: the fire (poz 16..19) under the object (poz 8..12),
// both a step further every 5 ticks; the view shows them as they were before.
void Fire(GameState& g, WorldObject& o) {
  if (g.special_frame < 16) g.special_frame = 19;
  if (g.special_frame > 19) g.special_frame = 16;
  g.scene.drawn_flame = g.special_frame;
  g.scene.drawn_fire_image = o.image;
  ++g.frame_tick;
  if (g.frame_tick == 5) {
    ++g.special_frame;
    ++o.image;
    g.frame_tick = 0;
  }
  if (o.image > 12) o.image = 8;
}

void Animate(WorldObject& o, const Animation& a) {
  ++o.tick;
  // A tick left over from another level's longer period restarts at once.
  if (o.tick >= a.period) {
    o.tick = 0;
    ++o.image;
    if (o.image > a.last) o.image = a.first;
  }
}

void SceneryObject(GameState& g, int n, const LevelParticulars& level) {
  WorldObject& o = g.objects.At(n);
  Scroll(g, o);
  if (level.drift != 0 && n == 5) {  // the boat drifts south
    o.y += level.drift;
    o.my = static_cast<f32>(o.my + level.drift / 100.0);
  }
  if (level.fire_flickers && n == 5) Fire(g, o);
  for (const Animation& a : level.animations) {
    if (a.record == n) Animate(o, a);
  }
}

}  // namespace

void ObjectsTick(GameState& g) {
  // The four fixed objects exist in every level, whatever the count says.
  for (int n = 1; n <= 4; ++n) FixedObject(g, g.objects.At(n));
  const LevelParticulars& level = ParticularsOf(g.level);
  const int count = std::min<int>(g.object_count, g.objects.capacity);
  for (int n = 5; n <= count; ++n) SceneryObject(g, n, level);
}

}  // namespace heli
