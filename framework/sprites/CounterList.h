#pragma once

#include <memory>
#include <vector>

#include "framework/sprites/Counter.h"

// Count-downs run together: delayed events that land one by one.
class TCounterList {
public:
    std::vector<std::shared_ptr<TCounter>> Counters;

    std::shared_ptr<TCounter> AddNew(int ms);
    std::shared_ptr<TCounter> AddNewWithValue(int ms, int value);
    // Runs every counter; with remove 1 those that ran out this tick leave the list. Returns how many ran
    // out.
    int Manage(int remove);
    void Clear() { Counters.clear(); }
};
