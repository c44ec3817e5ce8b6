#include "tools/assetgen/Noise.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace assetgen {

namespace {

uint32_t Hash(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = seed * 0x9e3779b1u;
    h ^= static_cast<uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xc2b2ae35u;
    h *= 0x27d4eb2fu;
    h ^= h >> 15;
    h *= 0x165667b1u;
    h ^= h >> 13;
    return h;
}

double Unit(uint32_t h) {
    return (h >> 8) * (1.0 / 16777216.0);
}

double Smooth(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

uint8_t Byte(double v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

}  // namespace

double ValueNoise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
    const double u = Smooth(x - fx), v = Smooth(y - fy);
    const double a = Unit(Hash(ix, iy, seed)), b = Unit(Hash(ix + 1, iy, seed));
    const double c = Unit(Hash(ix, iy + 1, seed)), d = Unit(Hash(ix + 1, iy + 1, seed));
    return (a + (b - a) * u) * (1 - v) + (c + (d - c) * u) * v;
}

double Fbm(double x, double y, int octaves, uint32_t seed) {
    double sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + 7919u * i) * weight;
        total += weight;
        weight *= 0.5;
        // Each octave is turned a little so the lattice never lines up into visible rows.
        const double nx = x * 1.6 - y * 1.2, ny = x * 1.2 + y * 1.6;
        x = nx + 17.3;
        y = ny - 9.1;
    }
    return sum / total;
}

CellSample Cells(double x, double y, uint32_t seed) {
    const auto ix = static_cast<int32_t>(std::floor(x)), iy = static_cast<int32_t>(std::floor(y));
    CellSample sample{.nearest = 9, .second = 9};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const uint32_t h = Hash(ix + dx, iy + dy, seed);
            const double px = ix + dx + Unit(h), py = iy + dy + Unit(Hash(ix + dx, iy + dy, h));
            const double d = std::hypot(px - x, py - y);
            if (d < sample.nearest) {
                sample.second = sample.nearest;
                sample.nearest = d;
                sample.cx = px;
                sample.cy = py;
                sample.id = h;
            } else if (d < sample.second) {
                sample.second = d;
            }
        }
    }
    return sample;
}

Pattern PixelPattern(int width, int height, const PixelFn& colourAt, int x0, int y0) {
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy);
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot make a " + std::to_string(width) + "x" + std::to_string(height) +
                                 " texture");
    }
    uint8_t* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Colour c = colourAt(x0 + x + 0.5, y0 + y + 0.5);
            const double a = std::clamp(c.a, 0.0, 1.0);
            const uint32_t p = static_cast<uint32_t>(Byte(a)) << 24 |
                               static_cast<uint32_t>(Byte(c.r * a)) << 16 |
                               static_cast<uint32_t>(Byte(c.g * a)) << 8 | Byte(c.b * a);
            std::memcpy(data + y * stride + x * 4, &p, 4);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    Pattern pattern(cairo_pattern_create_for_surface(surface.get()), cairo_pattern_destroy);
    cairo_matrix_t matrix;
    cairo_matrix_init_translate(&matrix, -x0, -y0);
    cairo_pattern_set_matrix(pattern.get(), &matrix);
    return pattern;
}

}  // namespace assetgen
