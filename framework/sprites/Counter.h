#pragma once

#include <memory>

// A count-down timer in logic ticks.
class TCounter {
public:
    virtual ~TCounter() = default;

    int Active = 0;
    double Counter = 0;
    int CounterLength = 1000;  // ticks

    static std::shared_ptr<TCounter> Create(int ms, int activate);
    int Activate();
    // 1 on the tick the count runs out.
    int Manage();
    int Stop(int reset);
    // 1 at the start, 0 at the end.
    float GetRatio() const;
};
