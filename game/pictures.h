#pragma once
// The pictures of the game's image lists, by the names they are stored under:
// vrt and ostrovy are built in; poz holds the pictures of the level's own file
// (levN.lta), whose items differ from file to file.
namespace heli::pic {

namespace vrt {
enum : int {
  kVrtulnik,   // the player's helicopter
  kStin,       // its shadow
  kVrtule,     // a rotor
  kZidle,      // the empty rescue chair
  kSOstrov,    // map marks: an island,
  kSPalivo,    // the fuel depot,
  kSZakladna,  // the base,
  kSVrt,       // the player,
  kSTamrox,    // the vortex
  kVy1,        // explosion, six frames
  kVy2,
  kVy3,
  kVy4,
  kVy5,
  kVy6,
  kPa1,  // a waving person, five frames; pa1 is also the person in the chair
  kPa2,
  kPa3,
  kPa4,
  kPa5,
  kPastin,   // a person's shadow
  kNhra,     // the menu's buttons: new game,
  kUlozeni,  // saved game,
  kNavrat,   // return,
  kKonec,    // end
  kSorry,    // the crash's banner
  kPrazdne,
  kKonecHry,
  kOvladani,     // the controls picture
  kPada,         // a falling person
  kVrtuleVoda,   // the rotor wash
  kPozadiMenu,   // the menu's background
  kSkvrna,       // the mark where a person died
  kVojVrtulnik,  // another helicopter
  kSVrtBoj,      // map mark of another helicopter
  kZelenyStrov,  // map mark of a tile
};
}  // namespace vrt

namespace ostrovy {
enum : int {
  kHodiny,   // the mission clock's face
  kRaficka,  // its hand
  kMapa,     // the map's chart
  kStart,
  kVlaj1,  // the base's flag, four frames
  kVlaj2,
  kVlaj3,
  kVlaj4,
  kNositkaPrazdne1,  // the stretcher, empty and loaded, two frames each
  kNositkaPrazdne2,
  kNositkaPlne1,
  kNositkaPlne2,
  kStriska,     // the base's canopy
  kZaklNulova,  // the base pad: unlit, green, red
  kZaklZelena,
  kZaklCervena,
  kZakladna2,  // the base building
  kBenzin0,    // the fuel pad: unlit, green, red
  kBenzinZeleny,
  kBenzinCerveny,
  kBenzin2,  // the fuel building
  kPozadi,   // the sea
  kVlny1,    // wave sparkles, four frames
  kVlny2,
  kVlny3,
  kVlny4,
  kTrava1,  // the map tiles (islands)
  kTrava2,
  kTrava3,
  kSoft,   // the intro's maker's line
  kIntro,  // the intro's picture
};
}  // namespace ostrovy

// Items of the level picture files that the game names.
namespace poz {
inline constexpr int kLevel6Shot = 15;   // lev6 "vystrel": the boat's muzzle flash
inline constexpr int kLevel6Mark = 14;   // lev6 "znacka": an island on the map
inline constexpr int kLevel8Chart = 16;  // lev8 "mapa": laid over the map
// The start picture of each level (index by level; none for 0).
inline constexpr int kStartPicture[10] = {-1, 17, 20, 18, 17, 19, 16, 20, 17, 21};
}  // namespace poz

}  // namespace heli::pic
