#pragma once

#include <memory>

namespace platform {
class Graphics;
}

// A drawing colour with its alpha.
class TColor {
public:
    int r = 255, g = 255, b = 255;
    float a = 1.0f;

    static std::shared_ptr<TColor> Create(int r, int g, int b, float a = 1.0f) {
        auto c = std::make_shared<TColor>();
        c->r = r, c->g = g, c->b = b, c->a = a;
        return c;
    }
    // Makes this the drawing colour and alpha.
    void Set(platform::Graphics& graphics) const;
};
