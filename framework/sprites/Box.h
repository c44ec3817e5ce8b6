#pragma once

#include <memory>

#include "framework/sprites/Color.h"

// A rectangle used as a hit area (sprites, buttons) or drawn as a panel (list boxes).
class TBox {
public:
    int Active = 1;
    std::shared_ptr<TColor> Color;
    float X = 0, Y = 0, W = 0, H = 0;

    // Whether a point lies inside: left and top edges in, right and bottom edges out.
    bool Contains(float px, float py) const { return px >= X && px < X + W && py >= Y && py < Y + H; }
};
