#pragma once

#include <cstdint>
#include <functional>

#include "tools/assetgen/StyleKit.h"

// Smooth noise for the textures of stone, wood, cloud and mist. It hashes integer lattice points (no
// tables, no library), so a seed gives the same texture on every machine.
namespace assetgen {

// Smooth value noise in [0, 1] with features about one unit apart.
double ValueNoise(double x, double y, uint32_t seed);
// Octaves of value noise, each twice as fine and half as strong; in [0, 1].
double Fbm(double x, double y, int octaves, uint32_t seed);
// Cell noise: one random point per unit cell; a sample tells the nearest point to (x, y) and how far the
// two nearest are, for cobbles, chipped stone faces, cracks and crystal grains.
struct CellSample {
    double nearest = 0, second = 0;  // distances, in cells
    double cx = 0, cy = 0;           // the nearest point
    uint32_t id = 0;                 // the same for every sample nearest to that point
};
CellSample Cells(double x, double y, uint32_t seed);

// A picture computed pixel by pixel (the centre of pixel (x, y) is at x + 0.5, y + 0.5), for textures that
// paths cannot draw; used as a cairo source or mask. It covers width x height pixels from (x0, y0), so a
// texture for a small part of a large picture costs only that part.
using PixelFn = std::function<Colour(double x, double y)>;
Pattern PixelPattern(int width, int height, const PixelFn& colourAt, int x0 = 0, int y0 = 0);

}  // namespace assetgen
