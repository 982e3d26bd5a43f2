#pragma once
// The level image file (".lta") reader. All integers little-endian.
//   1. Resource header: byte 0xFF; 16-bit 10; a zero-terminated upper-case name;
//      16-bit flags; 32-bit size of what follows. Only the 0xFF and the 10 are
//      checked ("Invalid stream format" otherwise).
//   2. Component stream: "TPF0", the class name and the object name as
//      length-prefixed strings, the properties (each a length-prefixed name and a
//      typed value) up to a 0 byte, then a 0 byte (no child objects).
//   3. The property "List": value type 14 (collection); per image an optional
//      order integer, the list-begin byte 1, the image's properties ("Name",
//      "PatternHeight", "PatternWidth", "Picture.Data", "SkipHeight", "SkipWidth",
//      "SystemMemory", "Transparent", "TransparentColor"), a 0 byte; after the
//      last image a 0 byte.
//   Value types: 2, 3, 4 (8-, 16-, 32-bit signed integer), 6 (length-prefixed
//   string), 7 (identifier: colour names such as "clWhite"), 8 and 9 (False,
//   True), 10 (byte block: 32-bit length and bytes; "Picture.Data" holds the
//   stored picture format of picture.h), 14 (collection).
// The reader checks every length against the data; truncated or malformed data
// raises media::Error ("Stream read error", "Invalid property value", "Property
// %s does not exist", with the file named), never reads out of bounds.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "media/image_list.h"
#include "media/surface.h"

namespace media {

// The images stored in a level image file, in order, not prepared. `what` names
// the file in messages.
std::vector<PictureCollectionItem> ReadImageListFile(std::span<const std::uint8_t> data,
                                                     const std::string& what);

// Colour identifiers: the 16 standard TColor names (clBlack, clMaroon, clGreen,
// clOlive, clNavy, clPurple, clTeal, clGray, clSilver, clRed, clLime, clYellow,
// clBlue, clFuchsia, clAqua, clWhite) and, for reading only, clMoneyGreen,
// clSkyBlue, clCream and clMedGray. System colours (clBtnFace, ...) and clNone are
// not accepted: the result is empty.
std::optional<TColor> ColorFromIdent(std::string_view name);
// The standard name of a colour, or empty when it has none.
std::string_view ColorIdent(TColor color);

}  // namespace media
