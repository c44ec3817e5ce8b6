#pragma once

#include <cstdint>

// The game's two random generators (whole numbers and fractions), seeded together so that one seed
// replays a whole run.
void SeedRandom(uint32_t seed);
// A whole number from min to max, both included: min + random mod (max - min + 1).
int Rand(int min, int max);
// A fraction from min up to (not including) max.
double Rnd(double min, double max);
