#pragma once

#include "framework/screens/Screen.h"

// The progress of start-up loading: a number of steps, advanced one at a time.
class TLoadingBar {
public:
    float Position = 0;  // filled width in pixels
    float Steps = 0;
    float StepSize = 0;  // w / Steps
    int CurrentStep = 0;
    int Finished = 0;
    int w = 0, h = 0;

    int SetSteps(int n);
    int Progress();
};

// The screen shown while the shared resources load; the main loop's first screen once they have. Its
// pictures and its continue button come with the start-up loading.
class TLoadingScreen : public TScreen {
public:
    TLoadingBar LoadingBar;
    int Finished = 0;

    int SetSteps(int n);
    int Progress();
};
