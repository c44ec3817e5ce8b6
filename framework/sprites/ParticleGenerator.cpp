#include "framework/sprites/ParticleGenerator.h"

#include "framework/core/Globals.h"
#include "framework/sprites/Ticks.h"

std::shared_ptr<TParticleGenerator> TParticleGenerator::Create(float x, float y, int qty, int intervalMs,
                                                               MakeFunction function, int data1, int data2,
                                                               int fireNow) {
    auto g = std::make_shared<TParticleGenerator>();
    g->x = x;
    g->y = y;
    g->Qty = qty - 1;
    g->Interval = static_cast<float>(Ticks(intervalMs));
    g->IntervalCounter = g->Interval;
    g->MakeParticleFunction = function;
    g->Data1 = data1;
    g->Data2 = data2;
    if (fireNow && g->MakeParticleFunction) g->MakeParticleFunction(*g);
    return g;
}

int TParticleGenerator::Manage() {
    if (!Active) return -1;
    x += dx * Delta;
    y += dy * Delta;
    if (RunOut(IntervalCounter)) return 0;
    IntervalCounter -= Delta;
    // A long frame may be due several shots at once.
    while (RunOut(IntervalCounter) && Qty > 0) {
        IntervalCounter += Interval;
        --Qty;
        if (MakeParticleFunction) MakeParticleFunction(*this);
    }
    if (Qty > 0) return 0;
    Active = 0;
    return 1;
}
