#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};

// A picture in memory: 8-bit RGBA, straight (not premultiplied) alpha, rows top to bottom with no padding.
class PixelMap {
public:
    PixelMap() = default;
    PixelMap(int width, int height, Rgba fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    uint8_t* Data() { return pixels_.data(); }
    const uint8_t* Data() const { return pixels_.data(); }
    uint8_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_ * 4; }
    const uint8_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_ * 4; }

    // Unchecked access; callers keep 0 <= x < Width(), 0 <= y < Height().
    Rgba At(int x, int y) const;
    void Set(int x, int y, Rgba c);

    // A copy of the rectangle, clipped to the picture; areas outside stay transparent black.
    PixelMap Crop(int x, int y, int w, int h) const;

    // Gives fully transparent pixels the colour of their visible neighbours, so that filtering at the
    // edge of a shape, when it is scaled or rotated, blends towards the shape's own colour instead of
    // towards black.
    void BleedIntoTransparent();

    bool operator==(const PixelMap&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> pixels_;
};

}  // namespace platform
