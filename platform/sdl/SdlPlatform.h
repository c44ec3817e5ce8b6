#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"

namespace platform {

struct SdlPlatformOptions {
    // SDL's dummy video and audio drivers: a 1024 × 768 software display with real pixels, no window,
    // no sound card.
    bool headless = false;
    // Every frame is 1000/60 ms long on the game's clock, whatever the real time; frames are not paced.
    bool deterministic = false;
};

// True when a graphical display can be reached (X11 or Wayland), or SDL has been told which video
// driver to use.
bool DisplayAvailable();

// The real platform on SDL2. Null, with error filled, when SDL cannot start.
std::unique_ptr<Platform> CreateSdlPlatform(const SdlPlatformOptions& options, std::string& error);

}  // namespace platform
