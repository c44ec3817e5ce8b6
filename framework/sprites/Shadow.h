#pragma once

#include <memory>

// The shadow under text: offset, alpha, and the alpha of the text itself. Shadows make it the text
// shadow (TShadow::ApplyToText); fonts set TextAlpha and draw with all four.
extern float TextShadowX;
extern float TextShadowY;
extern float TextShadowAlpha;
extern float TextAlpha;

// A drop shadow: an offset and an alpha.
class TShadow {
public:
    float X = 1.0f, Y = 1.0f;
    float Alpha = 0.5f;

    static std::shared_ptr<TShadow> Create(float x, float y, float alpha) {
        auto s = std::make_shared<TShadow>();
        s->Init(x, y, alpha);
        return s;
    }
    void Init(float x, float y, float alpha) { X = x, Y = y, Alpha = alpha; }
    void Copy(const TShadow& other) { *this = other; }
    // Black at the shadow's alpha.
    void Apply() const;
    // White, alpha 1.
    void Restore() const;
    // Makes this the shadow of the text drawn from now on.
    void ApplyToText() const;
};
