#include "framework/sprites/Counter.h"

#include "framework/core/Globals.h"
#include "framework/sprites/Ticks.h"

std::shared_ptr<TCounter> TCounter::Create(int ms, int activate) {
    auto counter = std::make_shared<TCounter>();
    counter->CounterLength = Ticks(ms);
    if (activate) counter->Activate();
    return counter;
}

int TCounter::Activate() {
    Counter = CounterLength;
    Active = 1;
    return 1;
}

int TCounter::Manage() {
    if (RunOut(Counter)) return 0;
    Counter -= Delta;
    if (!RunOut(Counter)) return 0;
    Stop(1);
    return 1;
}

int TCounter::Stop(int reset) {
    if (reset) Counter = 0;
    Active = 0;
    return 1;
}

float TCounter::GetRatio() const {
    return CounterLength != 0 ? static_cast<float>(Counter / CounterLength) : 0.0f;
}
