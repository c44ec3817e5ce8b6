#include "app/autoplay/AutoInput.h"

#include <memory>

#include "app/Startup.h"
#include "platform/Platform.h"
#include "platform/script/InjectedEvents.h"

namespace {

// Owned by the platform once installed.
platform::InjectedEvents* Injected = nullptr;

}  // namespace

void InstallAutoInput(platform::Platform& platform) {
    if (Injected) return;
    auto injected = std::make_unique<platform::InjectedEvents>(platform.TakeEvents(), ScreenPointToWindow);
    Injected = injected.get();
    platform.SetEvents(std::move(injected));
}

void PushAutoInput(const platform::Event& event) {
    if (Injected) Injected->Push(event);
}
