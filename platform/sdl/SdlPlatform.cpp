#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>

#include <cstdlib>

#include "platform/audio/MixerAudio.h"
#include "platform/os/SystemClock.h"
#include "platform/sdl/SdlAudioOutput.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlGraphics.h"
#include "platform/sdl/SdlSystem.h"

namespace platform {
namespace {

bool EnvSet(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

class SdlPlatform : public Platform {
public:
    using Platform::Platform;
    ~SdlPlatform() override {
        // Windows, renderers and audio devices go before SDL itself.
        ReleaseParts();
        SDL_Quit();
    }
};

}  // namespace

bool DisplayAvailable() {
    return EnvSet("DISPLAY") || EnvSet("WAYLAND_DISPLAY") || EnvSet("SDL_VIDEODRIVER");
}

std::unique_ptr<Platform> CreateSdlPlatform(const SdlPlatformOptions& options, std::string& error) {
    if (options.headless) {
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    }
    // The game draws its own pointer and handles closing itself; keep SDL from second-guessing either.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error = std::string("Cannot start the display: ") + SDL_GetError();
        return nullptr;
    }

    std::unique_ptr<Clock> clock;
    ManualClock* frameClock = nullptr;
    if (options.deterministic) {
        auto manual = std::make_unique<ManualClock>();
        frameClock = manual.get();
        clock = std::move(manual);
    } else {
        clock = std::make_unique<SystemClock>();
    }

    auto graphics = std::make_unique<SdlGraphics>(SdlGraphicsOptions{!options.deterministic, frameClock});
    auto system = std::make_unique<SdlSystem>(graphics.get(), options.headless);
    // A headless run takes its input from its script alone.
    auto events = std::make_unique<SdlEvents>(graphics.get(), !options.headless);
    auto audio = std::make_unique<MixerAudio>(std::make_unique<SdlAudioOutput>());
    return std::make_unique<SdlPlatform>(std::move(clock), std::move(system), std::move(graphics),
                                         std::move(audio), std::move(events));
}

}  // namespace platform
