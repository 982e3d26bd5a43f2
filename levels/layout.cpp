#include "levels/layout.h"

#include <string>

#include "game/pictures.h"
#include "game/state.h"
#include "levels/level_tables.h"

namespace heli {

namespace {

// Map units are hundreds of pixels, truncated.
f32 MapUnits(i32 pixels) {
  return static_cast<f32>(pixels / 100);
}

void LayTiles(GameState& g, const LevelTable& t) {
  for (int k = 0; k < t.tile_count; ++k) {
    Tile& tile = g.tiles[k];
    tile.image = static_cast<u8>(pic::ostrovy::kTrava1 + k % 3);  // trava1, trava2, trava3 in turn
    tile.x = t.grid.x0 + (k % t.grid.per_row) * t.grid.dx;
    tile.y = t.grid.y0 + (k / t.grid.per_row) * t.grid.dy;
    tile.mx = MapUnits(tile.x);
    tile.my = MapUnits(tile.y);
  }
}

// Records keep their animation state (tick, frame) and landed_ok across levels.
void PlaceObject(WorldObject& o, Point at, u8 image, u8 tall, u8 on_map) {
  o.x = at.x;
  o.y = at.y;
  o.mx = MapUnits(o.x);
  o.my = MapUnits(o.y);
  o.image = image;
  o.tall = tall;
  o.on_map = on_map;
}

void PlaceFixedObjects(GameState& g, const LevelTable& t) {
  const Point fuel_building{t.fuel_pad.x + t.fuel_building.x, t.fuel_pad.y + t.fuel_building.y};
  const Point base_building{t.base_pad.x + t.base_building.x, t.base_pad.y + t.base_building.y};
  PlaceObject(g.objects.At(1), t.fuel_pad, 17, 0, 1);
  PlaceObject(g.objects.At(2), fuel_building, 20, 1, 0);
  g.objects.At(2).clearance = 15;
  PlaceObject(g.objects.At(3), t.base_pad, 13, 0, 1);
  PlaceObject(g.objects.At(4), base_building, 16, 1, 0);
  g.objects.At(4).clearance = 15;
}

void PlaceScenery(GameState& g, const LevelTable& t) {
  int n = 5;
  for (const ObjectSpec& s : t.scenery) {
    Point at = s.at;
    if (s.relative_to != 0) {
      const WorldObject& base = g.objects.At(s.relative_to);
      at = {base.x + at.x, base.y + at.y};
    }
    u8 image = s.image;
    if (s.image_choices != 0) image = static_cast<u8>(image + g.random(s.image_choices));
    WorldObject& o = g.objects.At(n++);
    PlaceObject(o, at, image, s.tall, s.on_map);
    o.clearance = 15;
  }
}

void PlacePeople(GameState& g, const LevelTable& t, bool timed_level) {
  int n = 1;
  for (const PeopleGroup& group : t.people) {
    Point base{group.x, group.y};
    if (group.relative_to != 0) {
      const WorldObject& o = g.objects.At(group.relative_to);
      base = {o.x + group.x, o.y + group.y};
    }
    for (int k = 0; k < group.count; ++k) {
      Person& p = g.people.At(n++);
      p.x = base.x;
      if (group.x_spread != 0) p.x += g.random(group.x_spread);
      p.y = base.y;
      if (group.y_spread != 0) p.y += g.random(group.y_spread);
      p.fall_step = 0;
      p.aboard = 0;
      p.doomed = 0;
      p.wave_phase = static_cast<u8>(g.random(20));
      if (timed_level) {
        p.fall_w = 35;
        p.fall_h = 24;
      }
    }
  }
}

void Lay(GameState& g, const LevelTable& t) {
  g.scroll_dx = 0;
  g.scroll_dy = 0;
  g.heli_screen_x = 350;
  g.heli_screen_y = 280;
  g.view_x = 0;
  g.view_y = 0;

  if (t.timed) {
    g.clock_on = t.clock_on;
    g.clock_ticks = 5;
    g.next_event = t.event_interval;
    g.event_interval = t.event_interval;
    g.next_person = 1;
  } else {
    g.clock_on = 0;
    g.cass.Enabled = false;
  }

  g.tile_count = t.tile_count;
  if (t.particular.clears_special_count) g.special_count = 0;
  g.heli_count = t.heli_count;
  PlaceHelis(g);
  g.vortex_count = t.vortex_count;

  LayTiles(g, t);
  PlaceFixedObjects(g, t);
  PlaceScenery(g, t);
  PlacePeople(g, t, t.timed);

  g.object_count = t.object_count;
  g.people_count = t.people_count;
  g.endangered = t.endangered;
  g.endangered_label = g.endangered;
  g.rescued = 0;
  g.rescued_label = 0;

  // Every storm of a level starts at the same place, at rest.
  for (int i = 0; i < t.vortex_count; ++i) {
    Vortex& v = g.vortices[i];
    v.run_y = 0;
    v.run_x = 0;
    v.dir_x = 0;
    v.dir_y = 0;
    v.x = 15000;
    v.y = 14000;
    v.mx = 150;
    v.my = 140;
  }

  g.map_shown = 0;
  g.crashed = 0;
  g.heads_shown[0] = false;
  g.heads_shown[1] = false;
  g.heads_shown[2] = false;
  g.heads_shown[3] = false;
  g.free_seats = 4;
  if (t.particular.clears_frame_tick) g.frame_tick = 0;
}

}  // namespace

void LayoutLevel(GameState& g) {
  // A level outside 1..9 (a damaged save) lays out nothing.
  if (const LevelTable* t = FindLevelTable(g.level)) Lay(g, *t);
  g.level_label = g.level;
}

void PlaceHelis(GameState& g) {
  for (int i = 1; i <= g.heli_count && i <= g.helis.capacity; ++i) {
    Heli& h = g.helis.At(i);
    h.steer_west = 0;
    h.steer_east = 0;
    h.steer_north = 0;
    h.steer_south = 0;
    h.x = g.random(30000);
    h.y = g.random(30000);
    if (i <= 2) {  // the first two start in the north-west quarter
      h.x = -h.x;
      h.y = -h.y;
    }
    h.heli_heading = 0;
    if (i == 1) h.x = -1;
    h.heli_rotor = 0;
    h.pace = g.random(15) + 5;
    h.mx = MapUnits(h.x);
    h.my = MapUnits(h.y);
  }
}

}  // namespace heli
