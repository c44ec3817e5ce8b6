// The mouse between the window and the virtual screen: one mapping each way.
#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Rounding.h"
#include "framework/ui/MousePointer.h"

// Without a virtual resolution the two are the same.
void TGame::WindowToVirtual(int wx, int wy, int& vx, int& vy) const {
    vx = wx;
    vy = wy;
    if (!UsingVirtualResolution) return;
    vx = RoundHalfUp(static_cast<float>(wx) * VirtualRatioX) - RoundHalfUp(vxOff);
    vy = RoundHalfUp(static_cast<float>(wy) * VirtualRatioY) - RoundHalfUp(vyOff);
}

void TGame::VirtualToWindow(int vx, int vy, int& wx, int& wy) const {
    wx = vx;
    wy = vy;
    if (!UsingVirtualResolution) return;
    wx = RoundHalfUp((static_cast<float>(vx) + vxOff) / VirtualRatioX);
    wy = RoundHalfUp((static_cast<float>(vy) + vyOff) / VirtualRatioY);
}

int TGame::DoMoveMouse(int x, int y) {
    int realX = 0, realY = 0;
    VirtualToWindow(x, y, realX, realY);
    platform_.GetGraphics().MovePointer(realX, realY);
    return 1;
}

int TGame::RestoreMouseCoords() {
    if (FullScreen) {
        Mouse->x = std::clamp(Mouse->x, 0, VirtualWidth - 1);
        Mouse->y = std::clamp(Mouse->y, 0, VirtualHeight - 1);
    }
    return DoMoveMouse(Mouse->x, Mouse->y);
}
