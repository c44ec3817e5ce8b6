#pragma once

#include "framework/sprites/Counter.h"

// A count-down that carries a number for whoever waits on it.
class TCounterWithValue : public TCounter {
public:
    int Value = 0;
};
