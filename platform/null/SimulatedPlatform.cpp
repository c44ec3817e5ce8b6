#include "platform/null/SimulatedPlatform.h"

#include "platform/audio/ClockedOutput.h"
#include "platform/audio/MixerAudio.h"
#include "platform/null/NullEvents.h"
#include "platform/null/NullGraphics.h"
#include "platform/os/PosixSystem.h"
#include "platform/os/SystemClock.h"

namespace platform {

std::unique_ptr<Platform> CreateSimulatedPlatform() {
    auto clock = std::make_unique<ManualClock>();
    auto graphics = std::make_unique<NullGraphics>(DisplayMode{1024, 768, 32, 60}, clock.get());
    auto audio = std::make_unique<MixerAudio>(std::make_unique<ClockedOutput>(*clock));
    return std::make_unique<Platform>(std::move(clock), std::make_unique<PosixSystem>(), std::move(graphics),
                                      std::move(audio), std::make_unique<NullEvents>());
}

}  // namespace platform
