#pragma once
// heli-rescue --catalogue: what the program holds, without a display or sound
// device. One line per picture of the built-in lists and of every level picture
// file present,
//   LIST INDEX "NAME" KIND WxH BPP TRANSPARENT 0xBBGGRR
// (KIND dib, jpeg or none; "-" for the size and bits of an item without a
// picture), then one line per sound,
//   DXWaveList1 INDEX "NAME" LOOPED CHANNELS RATE BITS BYTES
// (LOOPED the stored flag; "- - - 0" for a sound without a recording).
#include <iosfwd>

namespace heli {

// Writes the catalogue to `out` and problems to `err`; returns the exit status:
// 0, or 1 when a built-in list is missing or a file or recording cannot be read
// (the rest is still listed).
int PrintCatalogue(std::ostream& out, std::ostream& err);

}  // namespace heli
