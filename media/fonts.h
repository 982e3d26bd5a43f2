#pragma once
// The game's sans-serif face: found through fontconfig, checked for the Czech
// letters, falling back to DejaVu Sans. In the browser, the DejaVu Sans files that
// come with the page.
#include <string>

namespace media {

// Path of the regular (bold = false) or bold face; empty when no font file exists.
const std::string& SansFontPath(bool bold);

}  // namespace media
