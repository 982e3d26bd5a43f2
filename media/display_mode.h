#pragma once
// Choosing a full-screen mode for the picture: the requested mode exactly, else the
// smallest mode at least as large with the same bit count, same aspect ratio first.
#include <optional>
#include <vector>

namespace media {

struct DisplayMode {
  int width = 0, height = 0, bits = 0;
  bool operator==(const DisplayMode&) const = default;
};

std::optional<DisplayMode> ChooseDisplayMode(const std::vector<DisplayMode>& available,
                                             const DisplayMode& wanted);

}  // namespace media
