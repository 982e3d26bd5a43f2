#pragma once
// Key codes: the game's key assignments and commands use Windows virtual-key
// codes, so SDL key events are translated to them once, here.

#include <string>
#include <string_view>

namespace media {

// The virtual-key code for an SDL key event's keycode (SDL_Keycode sym), or 0
// when the game has no use for the key. Both Enter keys give 13.
int VirtualKeyFromSdl(int sdl_keycode);

// The virtual-key code of a key named as the platform names it ("Up", "PageUp",
// "Return", "Left Shift", "F1", "W", "Keypad 5"; any case); "Enter" is Return.
// 0 for a name the platform does not know or a key the game cannot use.
int VirtualKeyFromName(std::string_view name);
// The platform's name of a virtual-key code the game can use; empty otherwise.
std::string KeyNameOfVirtualKey(int virtual_key);

}  // namespace media
