#pragma once
// Set-up shared by the rescue tests: sized pictures without pixels, the fixed
// objects.
#include <string>

#include "shell/form.h"

namespace heli::testing {

inline void SizePicture(media::ImageList& list, int index, int w, int h) {
  if (list.Count() <= index) list.Items().resize(static_cast<std::size_t>(index) + 1);
  list.Items()[static_cast<std::size_t>(index)].PatternWidth = w;
  list.Items()[static_cast<std::size_t>(index)].PatternHeight = h;
}

// The sizes of the fixed pictures the landing rules measure.
inline void SizeFixedPictures(TForm1& g) {
  SizePicture(g.ostrovy, 13, 97, 112);
  SizePicture(g.ostrovy, 16, 289, 384);
  SizePicture(g.ostrovy, 17, 97, 112);
  SizePicture(g.ostrovy, 20, 191, 372);
  SizePicture(g.ostrovy, 26, 323, 291);
  SizePicture(g.ostrovy, 27, 237, 367);
  SizePicture(g.ostrovy, 28, 299, 253);
  MeasurePictures(g);
}

inline WorldObject& PlaceObject(TForm1& g, int record, int image, i32 x, i32 y, u8 tall = 0) {
  WorldObject& o = g.objects.At(record);
  o.image = static_cast<u8>(image);
  o.x = x;
  o.y = y;
  o.tall = tall;
  o.clearance = tall ? 15 : 0;
  return o;
}

}  // namespace heli::testing
