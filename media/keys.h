#pragma once
// Key codes: the game's key assignments and commands use Windows virtual-key
// codes, so SDL key events are translated to them once, here.

namespace media {

// The virtual-key code for an SDL key event's keycode (SDL_Keycode sym), or 0
// when the game has no use for the key. Both Enter keys give 13.
int VirtualKeyFromSdl(int sdl_keycode);

}  // namespace media
