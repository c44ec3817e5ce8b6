#pragma once

#include <string>

#include "app/Options.h"
#include "platform/Platform.h"

// The program's start-up in order, then the main loop until the program ends; returns the exit code.
// The data folder must exist.
int RunMurkwell(platform::Platform& platform, const Options& options, const std::string& dataFolder);

// A point of the 1024 × 768 game screen in window pixels, as the display maps it now (scripts give
// game-screen coordinates).
void ScreenPointToWindow(int vx, int vy, int& wx, int& wy);

// The window title: "Murkwell V" + the version and the maker's credit.
std::string WindowTitle();
