#pragma once

#include <cstdint>

namespace assetgen {

// SplitMix64 with our own conversions: the same seed gives the same stars and the same noise on every
// machine, which the standard library's distributions do not promise.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // In [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

private:
    uint64_t state_;
};

}  // namespace assetgen
