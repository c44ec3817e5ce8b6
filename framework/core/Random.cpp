#include "framework/core/Random.h"

#include <random>

namespace {

std::mt19937 wholeNumbers(0x4D757277u);
std::mt19937 fractions(0x656C6C21u);

}  // namespace

void SeedRandom(uint32_t seed) {
    wholeNumbers.seed(seed);
    // A different stream from the same seed, so the two generators do not echo each other.
    fractions.seed(seed ^ 0x9E3779B9u);
}

int Rand(int min, int max) {
    if (max < min) std::swap(min, max);
    const int64_t span = static_cast<int64_t>(max) - min + 1;
    return static_cast<int>(min + static_cast<int64_t>(wholeNumbers() % static_cast<uint64_t>(span)));
}

double Rnd(double min, double max) {
    return min + (max - min) * (fractions() / 4294967296.0);
}
