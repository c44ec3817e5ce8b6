#pragma once

#include <memory>

class TMenu;

// The one-button menu of the screens around the game (intro, instructions, credits, ending): the "OK"
// button, named "ok", in the lower right corner, with the usual button sounds. Enter and Space press it.
std::shared_ptr<TMenu> MakeOkMenu();
