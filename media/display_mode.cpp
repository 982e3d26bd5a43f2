#include "media/display_mode.h"

namespace media {

namespace {

// Among the qualifying modes keep the smallest: a mode wider or taller than the best
// so far is passed over.
std::optional<DisplayMode> Smallest(const std::vector<DisplayMode>& available,
                                    const DisplayMode& wanted, bool same_ratio) {
  std::optional<DisplayMode> best;
  for (const DisplayMode& m : available) {
    if (m.bits != wanted.bits) continue;
    if (m.width < wanted.width || m.height < wanted.height) continue;
    if (same_ratio && static_cast<long long>(m.width) * wanted.height !=
                          static_cast<long long>(m.height) * wanted.width)
      continue;
    if (best && (m.width > best->width || m.height > best->height)) continue;
    best = m;
  }
  return best;
}

}  // namespace

std::optional<DisplayMode> ChooseDisplayMode(const std::vector<DisplayMode>& available,
                                             const DisplayMode& wanted) {
  for (const DisplayMode& m : available)
    if (m == wanted) return m;
  if (auto m = Smallest(available, wanted, true)) return m;
  return Smallest(available, wanted, false);
}

}  // namespace media
