#include "framework/sprites/Color.h"

#include "platform/Graphics.h"

void TColor::Set(platform::Graphics& graphics) const {
    graphics.SetColor(r, g, b);
    graphics.SetAlpha(a);
}
