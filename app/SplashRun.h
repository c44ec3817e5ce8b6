#pragma once

#include <string>

#include "platform/Platform.h"

// Until the game's own start-up takes over: opens the display, shows the maker's splash with its sound,
// and ends on a key, a click, a close request, or when the splash has faded out. Returns the exit code.
int RunSplash(platform::Platform& platform, const std::string& dataFolder, bool fullScreen);

// Where the 1024 × 768 game screen lies inside the drawing area of a display of the given size.
struct ScreenPlacement {
    int drawingWidth = 1024;
    int drawingHeight = 768;
    int originX = 0;
    int originY = 0;
};
ScreenPlacement PlaceScreen(int displayWidth, int displayHeight, bool keepAspect);

// A point of the game screen in window pixels, as the display scales and boxes it now.
void ScreenPointToWindow(platform::Graphics& graphics, int vx, int vy, int& wx, int& wy);

// Opens the display for the 1024 × 768 game screen: a window of that size, or the desktop in full
// screen with the screen centred in it.
bool OpenGameDisplay(platform::Graphics& graphics, bool fullScreen, ScreenPlacement& placement, std::string& error);

// One frame of the splash: the picture centred on black at the given opacity.
void DrawSplashFrame(platform::Graphics& graphics, const platform::Image& picture, const ScreenPlacement& placement,
                     double alpha);
