#include "media/keys.h"

#include <SDL.h>
#include <strings.h>

#include <iterator>
#include <vector>

namespace media {

int VirtualKeyFromSdl(int sdl_keycode) {
  const SDL_Keycode k = sdl_keycode;
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + (k - SDLK_F1);
  if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 97 + (k - SDLK_KP_1);  // VK_NUMPAD1..9
  switch (k) {
    case SDLK_UP:
      return 38;
    case SDLK_DOWN:
      return 40;
    case SDLK_LEFT:
      return 37;
    case SDLK_RIGHT:
      return 39;
    case SDLK_PAGEUP:
      return 33;
    case SDLK_PAGEDOWN:
      return 34;
    case SDLK_HOME:
      return 36;
    case SDLK_END:
      return 35;
    case SDLK_INSERT:
      return 45;
    case SDLK_DELETE:
      return 46;
    case SDLK_SPACE:
      return 32;
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return 13;
    case SDLK_ESCAPE:
      return 27;
    case SDLK_TAB:
      return 9;
    case SDLK_BACKSPACE:
      return 8;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return 16;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return 17;
    case SDLK_LALT:
    case SDLK_RALT:
      return 18;
    case SDLK_KP_0:
      return 96;
    default:
      return 0;
  }
}

namespace {

// Every platform key VirtualKeyFromSdl gives a code for, in the order their
// names are preferred (Return before Keypad Enter, Left Shift before Right).
std::vector<SDL_Keycode> UsableKeys() {
  std::vector<SDL_Keycode> keys;
  for (SDL_Keycode k = SDLK_a; k <= SDLK_z; ++k) keys.push_back(k);
  for (SDL_Keycode k = SDLK_0; k <= SDLK_9; ++k) keys.push_back(k);
  for (SDL_Keycode k = SDLK_F1; k <= SDLK_F12; ++k) keys.push_back(k);
  const SDL_Keycode others[] = {
      SDLK_UP,        SDLK_DOWN,   SDLK_LEFT,   SDLK_RIGHT, SDLK_PAGEUP, SDLK_PAGEDOWN, SDLK_HOME,
      SDLK_END,       SDLK_INSERT, SDLK_DELETE, SDLK_SPACE, SDLK_RETURN, SDLK_ESCAPE,   SDLK_TAB,
      SDLK_BACKSPACE, SDLK_LSHIFT, SDLK_RSHIFT, SDLK_LCTRL, SDLK_RCTRL,  SDLK_LALT,     SDLK_RALT,
      SDLK_KP_ENTER,  SDLK_KP_0,   SDLK_KP_1,   SDLK_KP_2,  SDLK_KP_3,   SDLK_KP_4,     SDLK_KP_5,
      SDLK_KP_6,      SDLK_KP_7,   SDLK_KP_8,   SDLK_KP_9};
  keys.insert(keys.end(), std::begin(others), std::end(others));
  return keys;
}

}  // namespace

// The names come from the platform's own table of key names, which needs no
// display; looking keys up by name through the keyboard map would.
int VirtualKeyFromName(std::string_view name) {
  const std::string wanted(name);
  if (wanted.empty()) return 0;
  if (strcasecmp(wanted.c_str(), "Enter") == 0) return 13;
  for (SDL_Keycode k : UsableKeys())
    if (strcasecmp(wanted.c_str(), SDL_GetKeyName(k)) == 0) return VirtualKeyFromSdl(k);
  return 0;
}

std::string KeyNameOfVirtualKey(int virtual_key) {
  if (virtual_key == 0) return {};
  for (SDL_Keycode k : UsableKeys())
    if (VirtualKeyFromSdl(k) == virtual_key) return SDL_GetKeyName(k);
  return {};
}

}  // namespace media
