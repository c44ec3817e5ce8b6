#pragma once

#include <functional>

class TLoadList;
class TScreen;

// What start-up does between opening the display and the main loop, in two parts around the splash
// pictures.

// The loading screen's pictures, shown at once (the "loading" picture only while the music is on), the
// sounds of its button and the paused picture.
int ShowLoadingScreen();

// The bar of steps steps laid out under the game's name, the "loading" picture below it.
int LayOutLoadingScreen(int steps);

// The game's loading work behind the loading screen with the title music playing, one bar step an item,
// the side borders and the continue button last, so that the bar is full exactly when the last item has
// loaded. Leaves the loading screen current, waiting for a click to fade out to destination. listGameWork
// lists the game's stages (text, sounds, images, fonts, the title's own).
int RunStartupLoading(const std::function<void(TLoadList&)>& listGameWork, TScreen* destination);
