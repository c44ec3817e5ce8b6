#include "platform/null/NullPlatform.h"

#include "platform/audio/ClockedOutput.h"
#include "platform/audio/MixerAudio.h"

namespace platform {

struct NullPlatform::Parts {
    std::unique_ptr<ManualClock> clock = std::make_unique<ManualClock>();
    std::unique_ptr<RecordingSystem> system;
    std::unique_ptr<NullGraphics> graphics;
    std::unique_ptr<NullEvents> events = std::make_unique<NullEvents>();
    std::unique_ptr<MixerAudio> audio = std::make_unique<MixerAudio>(std::make_unique<ClockedOutput>(*clock));
    // Kept apart: the owners are moved into the base before the members are set.
    ManualClock* clockRef = clock.get();
    RecordingSystem* systemRef = nullptr;
    NullGraphics* graphicsRef = nullptr;
    NullEvents* eventsRef = events.get();
};

NullPlatform::NullPlatform(const std::string& dataFolder, DisplayMode desktop)
    : NullPlatform([&] {
          Parts parts;
          parts.system = std::make_unique<RecordingSystem>(dataFolder);
          parts.graphics = std::make_unique<NullGraphics>(desktop);
          parts.systemRef = parts.system.get();
          parts.graphicsRef = parts.graphics.get();
          return parts;
      }()) {}

NullPlatform::NullPlatform(Parts parts)
    : Platform(std::move(parts.clock), std::move(parts.system), std::move(parts.graphics),
               std::move(parts.audio), std::move(parts.events)),
      clock_(parts.clockRef),
      system_(parts.systemRef),
      graphics_(parts.graphicsRef),
      events_(parts.eventsRef) {}

}  // namespace platform
