#pragma once
// Set-up shared by the rescue tests: the sizes of the pictures the rules measure,
// and the fixed objects.
#include <cstddef>

#include "game/state.h"

namespace heli::testing {

inline void SizePicture(PictureSizes& list, int index, int w, int h) {
  if (list.sizes.size() <= static_cast<std::size_t>(index))
    list.sizes.resize(static_cast<std::size_t>(index) + 1);
  list.sizes[static_cast<std::size_t>(index)] = {w, h};
}

// The sizes of the fixed pictures the landing rules measure, as built in.
inline void SizeFixedPictures(GameState& g) {
  SizePicture(g.ostrovy_sizes, 13, 97, 112);
  SizePicture(g.ostrovy_sizes, 16, 289, 384);
  SizePicture(g.ostrovy_sizes, 17, 97, 112);
  SizePicture(g.ostrovy_sizes, 20, 191, 372);
  SizePicture(g.ostrovy_sizes, 26, 323, 291);
  SizePicture(g.ostrovy_sizes, 27, 237, 367);
  SizePicture(g.ostrovy_sizes, 28, 299, 253);
}

inline WorldObject& PlaceObject(GameState& g, int record, int image, i32 x, i32 y, u8 tall = 0) {
  WorldObject& o = g.objects.At(record);
  o.image = static_cast<u8>(image);
  o.x = x;
  o.y = y;
  o.tall = tall;
  o.clearance = tall ? 15 : 0;
  return o;
}

}  // namespace heli::testing
