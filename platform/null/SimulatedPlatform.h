#pragma once

#include <memory>

#include "platform/Platform.h"

namespace platform {

// The whole game without a display, a sound card or SDL: nothing is drawn or heard, the clock moves on by
// one frame at every flip and never waits, so play runs as fast as the processor allows and replays exactly
// for a seed. The per-user folders and messages are the operating system's, as in a headless run.
std::unique_ptr<Platform> CreateSimulatedPlatform();

}  // namespace platform
