#include "framework/sprites/ParticleGeneratorList.h"

#include <algorithm>

std::shared_ptr<TParticleGenerator> TParticleGeneratorList::Add(float x, float y, int qty, int intervalMs,
                                                                TParticleGenerator::MakeFunction function) {
    auto generator = TParticleGenerator::Create(x, y, qty, intervalMs, function, 0, 0, 1);
    if (generator->Qty > 0) Generators.push_back(generator);
    return generator;
}

int TParticleGeneratorList::Manage() {
    // By index and holding each one: a shot may add generators (they land at the back and run in this
    // pass) or empty the list.
    bool finished = false;
    for (std::size_t i = 0; i < Generators.size(); ++i) {
        const std::shared_ptr<TParticleGenerator> generator = Generators[i];
        if (generator->Manage() != 0) finished = true;
    }
    if (finished) std::erase_if(Generators, [](const auto& g) { return !g->Active; });
    return 1;
}
