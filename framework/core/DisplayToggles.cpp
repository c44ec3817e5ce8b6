// The display toggles: full screen, borderless, wide screen, vertical sync, driver and mouse pointer.
#include "framework/core/Game.h"
#include "framework/core/Input.h"
#include "framework/ui/MousePointer.h"

namespace {

// Every display toggle is a settings change that stalls the clock.
void FinishToggle(TGame& game) {
    game.IniUpdate(1);
    game.FixedRateLogic.Init();
    game.FixedRateLogic.HistoryClear();
}

}  // namespace

int TGame::ToggleFullScreen() {
    if (FullScreen) {
        FullScreen = 0;
    } else {
        if (ForceWindowedMode) return 0;
        FullScreen = 1;
        if (CustomMousePointer) platform_.GetGraphics().ShowPointer(false);
    }
    Mouse->ClearButtons();
    GraphicsCreate(AlwaysForceDX7);
    RestoreMouseCoords();
    FinishToggle(*this);
    return 1;
}

int TGame::ToggleBorderless() {
    BorderlessWindow = BorderlessWindow ? 0 : 1;
    Mouse->ClearButtons();
    GraphicsCreate(AlwaysForceDX7);
    RestoreMouseCoords();
    FinishToggle(*this);
    return 1;
}

int TGame::ToggleWideScreen() {
    WideScreen = WideScreen ? 0 : 1;
    Mouse->ClearButtons();
    DoSetVirtualResolution(1);
    RestoreMouseCoords();
    FinishToggle(*this);
    return 1;
}

int TGame::ToggleVSync() {
    VSync = VSync ? 0 : 1;
    SetFlipSync();
    FinishToggle(*this);
    return 1;
}

int TGame::SetDriver(int driver) {
    const int wanted = driver != 0 ? 1 : 0;
    if (Driver == wanted) return 0;
    Driver = wanted;
    platform_.GetGraphics().Close();
    GraphicsCreate(AlwaysForceDX7);
    DoMoveMouse(Mouse->x, Mouse->y);
    FinishToggle(*this);
    FlushKeysAndMouse();
    return 1;
}

int TGame::ToggleCustomMousePointer() {
    CustomMousePointer = CustomMousePointer ? 0 : 1;
    // The system pointer is the one shown whenever the framework does not draw its own.
    platform_.GetGraphics().ShowPointer(CustomMousePointer == 0);
    FinishToggle(*this);
    return 1;
}
