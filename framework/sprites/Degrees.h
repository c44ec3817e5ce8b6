#pragma once

#include <cmath>
#include <numbers>

// Angles are kept in degrees everywhere in the game.
inline double SinDeg(double degrees) {
    return std::sin(degrees * std::numbers::pi / 180.0);
}
inline double CosDeg(double degrees) {
    return std::cos(degrees * std::numbers::pi / 180.0);
}

// value brought into [start, end) by whole cycles, however far outside it lies (a fast spin can pass
// several turns in one long frame).
inline double WrapCycle(double value, double start, double end) {
    const double span = end - start;
    if (!(span > 0)) return value;
    double r = std::fmod(value - start, span);
    if (r < 0) r += span;
    // fmod of a value a hair below a whole cycle can round up to the span itself.
    if (r >= span) r = 0;
    return start + r;
}
