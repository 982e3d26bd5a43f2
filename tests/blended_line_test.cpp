// A line of text laid over the picture by its own blend must give exactly what the
// platform's blit of the same ARGB8888 line gives, at every coverage, colour and
// background, clipped at the edges and to a clip rectangle.
#include "media/blended_line.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

TEST(BlendedLine, BlendsExactlyAsThePlatformsBlit) {
  // Every coverage along a row, a different colour in every row and column.
  SDL_Surface* line = SDL_CreateRGBSurfaceWithFormat(0, 256, 12, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_NE(line, nullptr);
  for (int y = 0; y < line->h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(line->pixels) +
                                                 y * line->pitch);
    for (int x = 0; x < line->w; ++x) {
      const std::uint32_t alpha = (x + y * 37) % 256;
      row[x] = alpha << 24 | ((x * 7 + y * 53) & 0xFF) << 16 | ((x * 13 + y * 11) & 0xFF) << 8 |
               ((x * 29 + y * 3) & 0xFF);
    }
  }
  SDL_SetSurfaceBlendMode(line, SDL_BLENDMODE_BLEND);
  const media::BlendedLine blended(line);
  ASSERT_EQ(blended.Width(), 256);
  struct Place {
    int x, y;
    bool clipped;
  };
  for (const Place& at :
       {Place{10, 5, false}, Place{-40, -3, false}, Place{120, 20, false}, Place{30, 4, true}}) {
    media::Surface want(300, 28), got(300, 28);
    for (int y = 0; y < 28; ++y)
      for (int x = 0; x < 300; ++x) {
        const auto p = static_cast<media::Pixel>(x * 2311 + y * 977);
        want.Set(x, y, p);
        got.Set(x, y, p);
      }
    if (at.clipped) {
      const SDL_Rect clip{50, 6, 100, 5};
      SDL_SetClipRect(want.sdl(), &clip);
      SDL_SetClipRect(got.sdl(), &clip);
    }
    SDL_Rect to{at.x, at.y, line->w, line->h};
    SDL_BlitSurface(line, nullptr, want.sdl(), &to);
    blended.Draw(got, at.x, at.y);
    int differences = 0;
    for (int y = 0; y < 28; ++y)
      for (int x = 0; x < 300; ++x) differences += want.At(x, y) != got.At(x, y);
    EXPECT_EQ(differences, 0) << "at " << at.x << "," << at.y;
  }
  SDL_FreeSurface(line);
}

}  // namespace
