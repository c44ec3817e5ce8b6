#pragma once

#include <memory>
#include <vector>

#include "framework/sprites/ParticleGenerator.h"

// The generators of a screen, run every tick until their shots are spent.
class TParticleGeneratorList {
public:
    std::vector<std::shared_ptr<TParticleGenerator>> Generators;

    // A generator that fires at once, kept only when it has shots left.
    std::shared_ptr<TParticleGenerator> Add(float x, float y, int qty, int intervalMs,
                                            TParticleGenerator::MakeFunction function);
    int Manage();
    void Clear() { Generators.clear(); }
};
