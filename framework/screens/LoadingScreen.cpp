#include "framework/screens/LoadingScreen.h"

int TLoadingBar::SetSteps(int n) {
    Steps = static_cast<float>(n);
    StepSize = n > 0 ? static_cast<float>(w) / static_cast<float>(n) : 0;
    return 1;
}

int TLoadingBar::Progress() {
    ++CurrentStep;
    Position = static_cast<float>(CurrentStep) * StepSize;
    if (static_cast<float>(CurrentStep) == Steps) Finished = 1;
    return 1;
}

int TLoadingScreen::SetSteps(int n) {
    return LoadingBar.SetSteps(n);
}

int TLoadingScreen::Progress() {
    LoadingBar.Progress();
    Finished = LoadingBar.Finished;
    return 1;
}
