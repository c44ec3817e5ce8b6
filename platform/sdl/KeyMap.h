#pragma once

#include <SDL.h>

namespace platform {

// The Windows virtual-key code of an SDL key, or 0 for a key the framework has no code for. The scancode
// decides for keys whose meaning follows their place (letters and digits stay A–Z and 0–9 on every
// layout, as the game's key table names them by place); the keycode decides for the rest.
int VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode);

}  // namespace platform
