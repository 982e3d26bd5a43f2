#pragma once
// What the view draws with: the display's back surface and the three image
// lists. View functions take it with the game state, which they only read.
#include "media/display.h"
#include "media/image_list.h"

namespace heli {

struct Painter {
  media::Display& display;
  media::ImageList& vrt;
  media::ImageList& ostrovy;
  media::ImageList& poz;

  media::Surface& Back() const { return display.BackSurface(); }
  media::Canvas& Canvas() const { return display.SurfaceCanvas(); }
};

}  // namespace heli
