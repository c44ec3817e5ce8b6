#pragma once

#include <cmath>

// floor(v + 0.5): the rounding of every display and mouse coordinate.
inline int RoundHalfUp(float v) {
    return static_cast<int>(std::floor(v + 0.5f));
}
