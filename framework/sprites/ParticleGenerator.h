#pragma once

#include <memory>

// Fires a function that makes particles, a number of times at a fixed interval, drifting as it goes.
class TParticleGenerator {
public:
    // Makes the particles of one shot; the generator's position and Data fields say where and what.
    using MakeFunction = void (*)(TParticleGenerator&);

    int Active = 1;
    float x = 0, y = 0, dx = 0, dy = 0;
    int Qty = 0;  // shots left
    float Interval = 0;
    double IntervalCounter = 0;  // ticks to the next shot
    MakeFunction MakeParticleFunction = nullptr;
    int Data1 = 0, Data2 = 0;

    // qty shots in all: with fireNow the first at once, the rest one every interval.
    static std::shared_ptr<TParticleGenerator> Create(float x, float y, int qty, int intervalMs,
                                                      MakeFunction function, int data1, int data2,
                                                      int fireNow);
    // Per tick: -1 when inactive, 1 when the last shot was taken, else 0.
    int Manage();
};
