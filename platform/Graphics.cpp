#include "platform/Graphics.h"

#include <algorithm>

namespace platform {
namespace {

int ClampChannel(int v) {
    return std::clamp(v, 0, 255);
}

}  // namespace

void Graphics::SetClsColor(int r, int g, int b) {
    clsRed_ = ClampChannel(r), clsGreen_ = ClampChannel(g), clsBlue_ = ClampChannel(b);
}

void Graphics::SetColor(int r, int g, int b) {
    red_ = ClampChannel(r), green_ = ClampChannel(g), blue_ = ClampChannel(b);
}

void Graphics::SetAlpha(float alpha) {
    // Written so that not a number fails the first test.
    alpha_ = alpha >= 0 ? std::min(alpha, 1.0f) : 0.0f;
}

void Graphics::SetBlend(BlendMode mode) {
    blend_ = mode;
}

void Graphics::SetRotation(float degrees) {
    rotation_ = degrees;
}

void Graphics::SetScale(float x, float y) {
    scaleX_ = x, scaleY_ = y;
}

bool FrameRect(int stripWidth, int stripHeight, int cellW, int cellH, int first, int index, Rect& out) {
    if (cellW <= 0 || cellH <= 0 || first < 0 || index < 0) return false;
    const int columns = stripWidth / cellW;
    const int rows = stripHeight / cellH;
    const int cell = first + index;
    if (columns <= 0 || cell >= columns * rows) return false;
    out = {(cell % columns) * cellW, (cell / columns) * cellH, cellW, cellH};
    return true;
}

bool StripHolds(const PixelMap& pixels, int cellW, int cellH, int first, int count) {
    Rect last;
    return count >= 1 && !pixels.Empty() &&
           FrameRect(pixels.Width(), pixels.Height(), cellW, cellH, first, count - 1, last);
}

}  // namespace platform
