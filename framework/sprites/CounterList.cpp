#include "framework/sprites/CounterList.h"

#include <algorithm>

#include "framework/sprites/CounterWithValue.h"
#include "framework/sprites/Ticks.h"

std::shared_ptr<TCounter> TCounterList::AddNew(int ms) {
    Counters.push_back(TCounter::Create(ms, 1));
    return Counters.back();
}

std::shared_ptr<TCounter> TCounterList::AddNewWithValue(int ms, int value) {
    auto counter = std::make_shared<TCounterWithValue>();
    counter->CounterLength = Ticks(ms);
    counter->Value = value;
    counter->Activate();
    Counters.push_back(counter);
    return counter;
}

int TCounterList::Manage(int remove) {
    int finished = 0;
    for (auto& counter : Counters) {
        if (counter->Manage() != 1) continue;
        ++finished;
        // Marked for removal by dropping the reference; the gaps close below.
        if (remove == 1) counter.reset();
    }
    if (remove == 1 && finished > 0) std::erase(Counters, nullptr);
    return finished;
}
