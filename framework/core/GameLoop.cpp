// The main loop's frame: logic ticks at a fixed rate, then one drawing.
#include <cmath>
#include <initializer_list>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/Screen.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/MousePointer.h"

int TGame::MainLogicLoop() {
    FixedRateLogic.Calc();
    if (NoTiming) FixedRateLogic.NumTicks = NoTimingTicks;
    LogicTime.Start();
    const double ticks = FixedRateLogic.NumTicks;
    const int whole = static_cast<int>(std::floor(ticks));
    for (int i = 0; i < whole; ++i) {
        FixedRateLogic.SetDelta(1.0f);
        if (LogicWrapper() == -1) return -1;
    }
    const double fraction = std::fmod(ticks, 1.0);
    if (fraction > 0) {
        FixedRateLogic.SetDelta(static_cast<float>(fraction));
        if (LogicWrapper() == -1) return -1;
    }
    LogicTime.Calc();
    return 1;
}

int TGame::LogicWrapper() {
    Mouse->ClearMouseHit();
    Mouse->Manage();
    DoPeekEvent();
    if (ReadKeys() == -1) return -1;
    if (InstantExit) return -1;
    if (Paused || Suspended) return 0;
    GameFade->Manage();
    DoScreenShake();
    if (GameFade->Active && !GameFade->AllowAnim) return 1;
    ScreenChange();
    const bool fadeAllows = !GameFade->Active || GameFade->AllowAnim;
    if (CurrentTScreen && (LogicDuringFade == 0 || (LogicDuringFade == 1 && fadeAllows))) {
        KeyFocus.BeginTick(Delta);
        CurrentTScreen->Logic();
    }
    if (Fade == 0) ScreenChange();
    if (AfterTickFunction) AfterTickFunction();
    return 1;
}

int TGame::ScreenDraw() {
    DrawTime.Start();
    if (NoDraw) {
        NoDraw = 0;
        return 1;
    }
    if (NeedsCLSWidescreen()) {
        CLSWidescreen();
    } else {
        platform_.GetGraphics().Cls();
    }
    DoDrawWidescreenBorders();
    if (CurrentTScreen) CurrentTScreen->Draw();
    KeyFocus.Draw();
    if (!GameFade->Active) ShowPaused();
    if (FadeMouse) Mouse->Draw();
    GameFade->Draw();
    if (GameFade->Active) ShowPaused();
    if (!FadeMouse) Mouse->Draw();
    DrawTime.Calc();
    DebugPrint();
    PostDraw();
    return 1;
}

int TGame::PostDraw() {
    platform::Graphics& graphics = platform_.GetGraphics();
    // With OpenGL in full screen, reading one pixel makes the processor finish the frame before the flip,
    // which keeps input lag to one frame.
    if (Driver == 1 && FullScreen) graphics.Grab({1, 1, 1, 1});
    graphics.Flip(FlipSync);
    return 1;
}

int TGame::DebugReset() {
    FixedRateLogic.maximum = 0;
    LogicTime.Init();
    DrawTime.Init();
    CodeTime.Init();
    FPS.Init();
    return 1;
}

std::vector<std::string> TGame::DebugLines() const {
    std::vector<std::string> lines;
    if (!DebugShowFPSOnly) {
        for (const TTrackingVar* v :
             std::initializer_list<const TTrackingVar*>{&FixedRateLogic, &LogicTime, &DrawTime, &CodeTime}) {
            lines.push_back(v->GetDisplay());
        }
    }
    lines.push_back(FPS.GetDisplay());
    if (DebugShowFPSOnly) return lines;
    lines.push_back("VSync   " + std::to_string(VSync));
    lines.push_back("Desk Hz " + std::to_string(DesktopRefreshRate));
    lines.push_back("Game Hz " + std::to_string(GameRefreshRate));
    lines.push_back("Fast    " + std::to_string(Fast));
    lines.push_back("Slow    " + std::to_string(SlowMotion));
    lines.push_back("Timing  " + std::to_string(NoTiming));
    lines.push_back("Os Version = " + OSVersion);
    lines.push_back("Gfx Driver = DirectX " + DirectXVersion + " (using DX" + (DriverDX7 ? "7)" : "9)"));
    return lines;
}

int TGame::DebugPrint() {
    if (!Debug) return 0;
    FPS.Calc();
    // The lines are text, and text needs a font: until the game's fonts are loaded there is nothing to draw.
    if (!DebugFont) return 0;
    platform::Graphics& graphics = platform_.GetGraphics();
    const std::vector<std::string> lines = DebugLines();
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetColor(0, 0, 0);
    graphics.SetAlpha(DebugPanel);
    graphics.DrawRect(static_cast<float>(DebugDisplayX - 3), static_cast<float>(DebugDisplayY - 3), 300,
                      static_cast<float>(lines.size() * DebugImageFontGap + 6));
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    for (size_t i = 0; i < lines.size(); ++i) {
        DebugFont(lines[i], DebugDisplayX, DebugDisplayY + static_cast<int>(i) * DebugImageFontGap,
                  DebugShadow);
    }
    return 1;
}
