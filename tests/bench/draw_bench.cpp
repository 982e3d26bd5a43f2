// Speed of the two draws on the game's typical loads (built as heli_bench, not run
// by ctest):
//   - DrawImage of a full-screen opaque picture (the sea, the backgrounds);
//   - 200 DrawImage calls of keyed 300 x 300 pictures, mostly off the screen (the
//     map tiles of a frame);
//   - DrawRotated of a 98 x 98 keyed sprite at scale 1 (the rotor), solid and blended.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "media/image_list.h"
#include "media/lta_writer.h"

namespace {

media::RgbImage Picture(int w, int h, bool keyed, int seed) {
  media::RgbImage img;
  img.width = w;
  img.height = h;
  img.rgb.resize(static_cast<std::size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &img.rgb[(static_cast<std::size_t>(y) * w + x) * 3];
      const int dx = x - w / 2, dy = y - h / 2;
      if (keyed && dx * dx + dy * dy > (w / 2) * (h / 2)) {  // an island on the key
        p[0] = 1;
        p[1] = 255;
        p[2] = 255;
        continue;
      }
      p[0] = static_cast<std::uint8_t>(x * 3 + seed);
      p[1] = static_cast<std::uint8_t>(y * 5 + seed * 7);
      p[2] = static_cast<std::uint8_t>((x ^ y) + seed);
    }
  return img;
}

media::PictureCollectionItem Item(int w, int h, bool keyed, int seed) {
  media::PictureCollectionItem item;
  item.Picture = media::ParseStoredPicture(
      media::EncodeStoredDib(Picture(w, h, keyed, seed), 24, false, std::nullopt), "bench");
  item.Transparent = keyed;
  item.TransparentColor = 0xFFFF01;
  item.Prepare();
  return item;
}

void BM_DrawImageFullScreenOpaque(benchmark::State& state) {
  const auto item = Item(800, 600, false, 1);
  media::Surface back(800, 600);
  for (auto _ : state) {
    item.DrawImage(back, 0, 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawImageFullScreenOpaque);

void BM_DrawImage200KeyedTilesMostlyOffScreen(benchmark::State& state) {
  std::vector<media::PictureCollectionItem> tiles;
  for (int i = 0; i < 8; ++i) tiles.push_back(Item(300, 300, true, i));
  struct Place {
    int tile, x, y;
  };
  std::vector<Place> places;
  std::uint32_t r = 12345;
  auto next = [&r](int span) {
    r = r * 1103515245u + 12345u;
    return static_cast<int>((r >> 8) % static_cast<std::uint32_t>(span)) - 1200;
  };
  // Spread over 3000 x 2700 pixels around the screen: about one in eight shows.
  for (int i = 0; i < 200; ++i) places.push_back({i % 8, next(3000), next(2700)});
  int visible = 0;
  for (const auto& p : places) visible += p.x > -300 && p.x < 800 && p.y > -300 && p.y < 600;
  media::Surface back(800, 600);
  for (auto _ : state) {
    for (const auto& p : places)
      tiles[static_cast<std::size_t>(p.tile)].DrawImage(back, p.x, p.y, 0);
    benchmark::ClobberMemory();
  }
  state.counters["visible"] = visible;
}
BENCHMARK(BM_DrawImage200KeyedTilesMostlyOffScreen);

void BM_DrawRotated98(benchmark::State& state) {
  const int alpha = static_cast<int>(state.range(0));
  const auto item = Item(98, 98, true, 3);
  media::Surface back(800, 600);
  int angle = 0;
  for (auto _ : state) {
    item.DrawRotated(back, 350, 280, 98, 98, 0, 0.5, 0.5, angle, alpha);
    angle = (angle + 7) & 255;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawRotated98)->Arg(255)->Arg(20);

void BM_PrepareFullScreenJpeg(benchmark::State& state) {
  media::PictureCollectionItem item;
  item.Picture = media::ParseStoredPicture(media::EncodeStoredJpeg(Picture(800, 600, false, 5), 92),
                                           "bench jpeg");
  item.Transparent = false;
  for (auto _ : state) item.Prepare();
}
BENCHMARK(BM_PrepareFullScreenJpeg)->Unit(benchmark::kMillisecond);

}  // namespace
