#include "platform/PixelMap.h"

#include <algorithm>
#include <cstring>

namespace platform {

PixelMap::PixelMap(int width, int height, Rgba fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    pixels_.resize(static_cast<size_t>(width_) * height_ * 4);
    for (size_t i = 0; i < pixels_.size(); i += 4) {
        pixels_[i] = fill.r;
        pixels_[i + 1] = fill.g;
        pixels_[i + 2] = fill.b;
        pixels_[i + 3] = fill.a;
    }
}

Rgba PixelMap::At(int x, int y) const {
    const uint8_t* p = Row(y) + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

void PixelMap::Set(int x, int y, Rgba c) {
    uint8_t* p = Row(y) + x * 4;
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
}

PixelMap PixelMap::Crop(int x, int y, int w, int h) const {
    PixelMap out(w, h);
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
    for (int sy = y0; sy < y1; ++sy) {
        std::memcpy(out.Row(sy - y) + (x0 - x) * 4, Row(sy) + x0 * 4, static_cast<size_t>(x1 - x0) * 4);
    }
    return out;
}

}  // namespace platform
