#pragma once

#include "platform/PixelMap.h"

namespace murkwell::test {

// How many pixels of the rectangle [left, right) × [top, bottom) of a screenshot are brighter than
// threshold (0-255, by perceived brightness): ink of letters and lights against the game's night.
inline int LitPixels(const platform::PixelMap& shot, int top, int bottom, int left, int right, int threshold) {
    int lit = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const platform::Rgba p = shot.At(x, y);
            lit += (p.r * 3 + p.g * 6 + p.b) / 10 > threshold;
        }
    }
    return lit;
}

}  // namespace murkwell::test
