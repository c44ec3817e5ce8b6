// Switching screens when a fade out has finished.
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/Messages.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/LoadingScreen.h"
#include "framework/screens/Screen.h"

int TGame::ScreenChange() {
    if (!GameFade->GetDone() || GameFade->Out != 1) return 0;
    // Once the program is leaving, no screen can send it elsewhere.
    if (ExitRequested) DestinationTScreen = ExitScreen.get();
    if (CurrentTScreen && !CurrentTScreen->StopKill) CurrentTScreen->Kill();
    if (!DestinationTScreen) {
        Message("Screen '" + (CurrentTScreen ? CurrentTScreen->name : std::string()) +
                    "' does not have a destination screen set!",
                1, 1);
        return 0;
    }
    LastTScreen = CurrentTScreen;
    if (DestinationTScreen == ExitScreen.get()) {
        InstantExit = 1;
        CurrentTScreen = ExitScreen.get();
    } else {
        DestinationTScreen->PreStart();
    }
    FlushKeysAndMouse();
    return 1;
}

int TGame::MoveBar() {
    LoadingScreen->Progress();
    // A step is shown unless the last one was shown less than a display frame ago, and the last step
    // always: waiting for the display after each of a few hundred small items would add seconds to the
    // loading, and the bar still moves at the display's pace.
    const uint32_t now = platform_.GetClock().Millisecs();
    TLoadingScreen& loading = *LoadingScreen;
    if (!loading.Finished && loading.ShownAt && now - *loading.ShownAt < TLoadingScreen::kShowEveryMs)
        return 1;
    loading.ShownAt = now;
    loading.Draw();
    platform_.GetGraphics().Flip(0);
    return 1;
}
