// The screen shake: the drawing origin moved at random every tick while a shake lasts.
#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/core/Rounding.h"

int TGame::OffsetOrigin(int x, int y) {
    platform::Graphics& graphics = platform_.GetGraphics();
    graphics.SetOrigin(vxOff + static_cast<float>(x), vyOff + static_cast<float>(y));
    graphics.SetViewport(
        {screenshake_viewportx + x, screenshake_viewporty + y, screenshake_viewportw, screenshake_viewporth});
    return 1;
}

int TGame::RestoreOrigin() {
    platform::Graphics& graphics = platform_.GetGraphics();
    if (UsingVirtualResolution) {
        graphics.SetOrigin(static_cast<float>(RoundHalfUp(vxOff)), static_cast<float>(RoundHalfUp(vyOff)));
    } else {
        graphics.SetOrigin(0, 0);
    }
    graphics.SetViewport(
        {screenshake_viewportx, screenshake_viewporty, screenshake_viewportw, screenshake_viewporth});
    ClearScreenshake();
    return 1;
}

int TGame::ClearScreenshake() {
    screenShakeRange = 0;
    screenShakeDelta = 0;
    screenShakeCounter = 0;
    return 1;
}

int TGame::SetScreenShake(float range, float delta, float ticks) {
    if (screenShake <= 0) return 0;
    if (screenShakeRange > 0 || screenShakeDelta != 0 || screenShakeCounter > 0) RestoreOrigin();
    const float strength = static_cast<float>(screenShake) / 100.0f;
    screenShakeRange = strength * range;
    screenShakeDelta = strength * delta;
    screenShakeCounter = ticks;
    const platform::Rect viewport = platform_.GetGraphics().Viewport();
    screenshake_viewportx = viewport.x;
    screenshake_viewporty = viewport.y;
    screenshake_viewportw = viewport.w;
    screenshake_viewporth = viewport.h;
    DoScreenShake();
    return 1;
}

int TGame::DoScreenShake() {
    if (screenShakeRange <= 0) return 0;
    screenShakeRange += screenShakeDelta * Delta;
    bool over = false;
    if (screenShakeCounter > 0) {
        screenShakeCounter -= Delta;
        over = screenShakeCounter <= 0;
    }
    if (over || screenShakeRange <= 0) {
        RestoreOrigin();
        return 1;
    }
    const int dx = RoundHalfUp(static_cast<float>(Rnd(-screenShakeRange, screenShakeRange)));
    const int dy = RoundHalfUp(static_cast<float>(Rnd(-screenShakeRange, screenShakeRange)));
    OffsetOrigin(dx, dy);
    return 1;
}

int TGame::ScreenShakeSetIniValue(int percent, int save) {
    screenShake = std::clamp(percent, 0, 100);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
    return 1;
}
