// A button that grows while the pointer is over it (after a delay) and shrinks back when it leaves.
#include <algorithm>

#include "framework/core/Globals.h"
#include "framework/sprites/Ticks.h"
#include "framework/ui/Button.h"

int TButton::ManageMouseOverScale() {
    if (DraggedButton) {
        ScaleOnMODelayCounter = 0;
        return 0;
    }
    if (ScaleOnMOMax <= 1) return 1;
    if (ScaleOnMODelayCounter < ScaleOnMODelayFrames) {
        ScaleOnMODelayCounter =
            std::min(ScaleOnMODelayCounter + Delta, static_cast<float>(ScaleOnMODelayFrames));
        if (!Reached(ScaleOnMODelayCounter, ScaleOnMODelayFrames)) return 1;
    }
    ScaleOnMO = std::min(ScaleOnMO + ScaleOnMOUpSpeed * Delta, ScaleOnMOMax);
    return 1;
}

int TButton::ManageScaleOnMO() {
    if (ScaleOnMO <= 1) return 0;
    ScaleOnMO = std::max(ScaleOnMO - ScaleOnMODownSpeed * Delta, 1.0f);
    return 1;
}

float TButton::GetMOScale() const {
    if (!ImageScaled || ImageScaled->w <= 0 || ScaleOnMOMax <= 1) return ScaleOnMO;
    const float small = static_cast<float>(w) / static_cast<float>(ImageScaled->w);
    return 1 - (1 - small) * (1 - (ScaleOnMO - 1) / (ScaleOnMOMax - 1));
}
