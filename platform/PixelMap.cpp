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

void PixelMap::BleedIntoTransparent() {
    const PixelMap source = *this;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (source.At(x, y).a != 0) continue;
            int r = 0, g = 0, b = 0, n = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width_ || ny >= height_) continue;
                    const Rgba c = source.At(nx, ny);
                    if (c.a == 0) continue;
                    r += c.r, g += c.g, b += c.b, ++n;
                }
            }
            if (n > 0)
                Set(x, y,
                    {static_cast<uint8_t>(r / n), static_cast<uint8_t>(g / n), static_cast<uint8_t>(b / n),
                     0});
        }
    }
}

}  // namespace platform
