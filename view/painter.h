#pragma once
// What the view draws with: the display's back surface and the three image
// lists. View functions take it with the game state, which they only read.
#include <initializer_list>
#include <string_view>

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

// Readies a text at one font size in each colour it is drawn in (a shadow, then
// the text), so that no frame renders it for the first time.
inline void PrepareTextIn(media::Canvas& c, int size, std::string_view text,
                          std::initializer_list<media::TColor> colours) {
  c.Font.Size = size;
  for (media::TColor colour : colours) {
    c.Font.Color = colour;
    c.PrepareText(text);
  }
}

}  // namespace heli
