#pragma once
#include <string>

#include "media/surface.h"

namespace media {
// Writes the surface as a 24-bit PNG; false (and nothing left behind) on failure.
bool WritePng(const Surface& surface, const std::string& path);
}  // namespace media
