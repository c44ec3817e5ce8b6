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
    LoadingScreen->Draw();
    platform_.GetGraphics().Flip(FlipSync);
    return 1;
}
