// Dragging a button with the mouse: a press over it that moves past the dead zone picks it up.
#include <cstdlib>

#include "framework/core/Game.h"
#include "framework/ui/Button.h"
#include "framework/ui/MousePointer.h"

int TButton::ManageDrag(int over) {
    if (DraggedButton && DraggedButton != this) return 0;
    TMousePointer& mouse = *Game->Mouse;
    if (!mouse.GetMb()) {
        LastMouseDown = 0;
        ClearDrag();
        return 1;
    }
    const bool started = DragStartX != -1;
    if (Dragging) {
        MoveTo(static_cast<float>(mouse.x - DragOffsetX), static_cast<float>(mouse.y - DragOffsetY));
        MouseOver = 1;
        FixedGlowOnMOActivate();
    } else if ((LastMouseDown || !over) && started) {
        if (std::abs(mouse.x - DragStartX) > DragDeadZone || std::abs(mouse.y - DragStartY) > DragDeadZone) {
            StartDrag();
        }
    } else if (!over && !started) {
        ClearDrag();
    } else if (!LastMouseDown) {
        // A press that began over the button; one that began elsewhere and slid on does not drag it.
        DragStartX = mouse.x;
        DragStartY = mouse.y;
        if (DragDeadZone == 0) StartDrag();
    }
    LastMouseDown = 1;
    return 1;
}

int TButton::StartDrag() {
    Dragging = 1;
    DraggedButton = this;
    DragOffsetX = DragStartX - static_cast<int>(x);
    DragOffsetY = DragStartY - static_cast<int>(y);
    return 1;
}
