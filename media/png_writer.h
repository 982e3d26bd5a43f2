#pragma once
#include <cstdint>
#include <string>

#include "media/surface.h"

namespace media {
// Writes the surface as a 24-bit PNG; false (and nothing left behind) on failure.
bool WritePng(const Surface& surface, const std::string& path);
// Writes 8-bit RGBA rows, 4 bytes a pixel, top-down; the same failure rule.
bool WriteRgbaPng(const std::uint8_t* rgba, int width, int height, const std::string& path);
}  // namespace media
