#include "framework/ui/ModalDialog.h"

#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/Input.h"
#include "framework/screens/Screen.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/MousePointer.h"
#include "platform/Platform.h"

namespace {

bool Running = false;

// One logic tick of the dialog; its answer, 0 while open.
int Tick(TGame& game, TDialog& dialog, float delta) {
    game.FixedRateLogic.SetDelta(delta);
    game.Mouse->ClearMouseHit();
    game.Mouse->Manage();
    game.DoPeekEvent();
    KeyFocus.BeginTick(delta);
    const int answer = dialog.Manage();
    if (game.AfterTickFunction) game.AfterTickFunction();
    return answer;
}

void Draw(TGame& game, TDialog& dialog) {
    if (game.NeedsCLSWidescreen()) {
        game.CLSWidescreen();
    } else {
        game.GetPlatform().GetGraphics().Cls();
    }
    game.DoDrawWidescreenBorders();
    if (game.CurrentTScreen) game.CurrentTScreen->Draw();
    dialog.Draw();
    KeyFocus.Draw();
    game.Mouse->Draw();
    game.PostDraw();
}

}  // namespace

int ModalDialogRunning() {
    return Running ? 1 : 0;
}

int RunModalDialog(TDialog& dialog) {
    if (Running || !Game) return 0;
    struct TRunning {
        TRunning() { Running = true; }
        ~TRunning() { Running = false; }
    } running;
    TGame& game = *Game;
    // Whatever stalled the clock before the box opened is no time of the box's.
    game.FixedRateLogic.Init();
    int answer = 0;
    while (answer == 0 && dialog.Active && !game.TerminatedEvent) {
        game.FixedRateLogic.Calc();
        const double ticks = game.FixedRateLogic.NumTicks;
        const int whole = static_cast<int>(std::floor(ticks));
        for (int i = 0; i < whole && answer == 0; ++i) answer = Tick(game, dialog, 1.0f);
        const double fraction = std::fmod(ticks, 1.0);
        if (answer == 0 && fraction > 0) answer = Tick(game, dialog, static_cast<float>(fraction));
        Draw(game, dialog);
        // A frame that took no time is not spun on: the clock is given a moment.
        if (ticks <= 0) game.GetPlatform().GetClock().Sleep(1);
    }
    FlushKeysAndMouse();
    game.FixedRateLogic.SetDelta(1.0f);
    game.FixedRateLogic.Init();
    return answer;
}
