#include "media/fonts.h"

#ifndef __EMSCRIPTEN__
#include <fontconfig/fontconfig.h>
#endif

#include <fstream>

namespace media {

namespace {

bool Readable(const std::string& path) {
  return !path.empty() && std::ifstream(path).good();
}

#ifndef __EMSCRIPTEN__
// Asks fontconfig for a face of the family; accepts it only if it really is that
// family and covers the letters of the game's Czech texts.
std::string FindWithFontconfig(bool bold) {
  std::string found;
  if (!FcInit()) return found;
  FcPattern* pattern = FcNameParse(
      reinterpret_cast<const FcChar8*>(bold ? "DejaVu Sans:style=Bold" : "DejaVu Sans:style=Book"));
  if (!pattern) return found;
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  if (match) {
    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    FcCharSet* charset = nullptr;
    bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
              FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
              std::string(reinterpret_cast<char*>(family)) == "DejaVu Sans" &&
              FcPatternGetCharSet(match, FC_CHARSET, 0, &charset) == FcResultMatch;
    if (ok) {
      for (FcChar32 c :
           {0x10Cu, 0x10Du, 0x11Bu, 0xCDu, 0xE1u, 0x17Eu, 0x161u, 0x159u, 0x16Fu, 0xDAu})
        if (!FcCharSetHasChar(charset, c)) ok = false;
    }
    if (ok) found = reinterpret_cast<char*>(file);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  FcFini();  // only the file names are needed; SDL2_ttf opens the files itself
  return found;
}

#endif

std::string Find(bool bold) {
#ifdef __EMSCRIPTEN__
  // A page has no fontconfig: DejaVu Sans comes with it, beside the level files.
  std::string path = std::string("/fonts/") + (bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf");
  if (Readable(path)) return path;
#else
  std::string path = FindWithFontconfig(bold);
  if (Readable(path)) return path;
  for (const char* dir : {"/usr/share/fonts/truetype/dejavu/", "/usr/local/share/fonts/"}) {
    path = std::string(dir) + (bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf");
    if (Readable(path)) return path;
  }
#endif
  // A bold face may be missing where the regular one exists.
  return bold ? Find(false) : std::string();
}

}  // namespace

const std::string& SansFontPath(bool bold) {
  static const std::string regular = Find(false);
  static const std::string heavy = Find(true);
  return bold ? heavy : regular;
}

}  // namespace media
