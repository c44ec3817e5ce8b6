#pragma once

#include "platform/Events.h"

namespace platform {
class Platform;
}

// The way the autoplayer's hand reaches the game: its events go into the platform's event path in front of
// the real ones, so the game takes them exactly as it takes a person's. Installed only when something
// plays by itself; a person at the keyboard never has it.
void InstallAutoInput(platform::Platform& platform);
// Queues one event (mouse events in virtual-screen coordinates); nothing when not installed.
void PushAutoInput(const platform::Event& event);
