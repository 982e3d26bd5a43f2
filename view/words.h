#pragma once
// Words the code draws on screen are written in Czech, the game's own language;
// Tr gives them in the language the game speaks (the gettext catalogue's).
#include <libintl.h>

#include <string>

namespace heli {

inline constexpr char kTextDomain[] = "heli-rescue";

// An empty text stays empty (gettext would give the catalogue's header).
inline const char* Tr(const char* czech) {
  return *czech ? dgettext(kTextDomain, czech) : czech;
}
inline std::string Tr(const std::string& czech) {
  return Tr(czech.c_str());
}

}  // namespace heli
