#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Time, injectable so that a run can be replayed exactly.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic clock, wrapping around in 32 bits.
    virtual uint32_t Millisecs() = 0;
    virtual void Sleep(int ms) = 0;
    // The local calendar date and time (for log entries and screenshot names).
    virtual DateTime Now() = 0;
};

// Operating-system services the framework calls.
class System {
public:
    virtual ~System() = default;
    // The per-user application-data folder, ending in "/"; "" when none can be found.
    virtual std::string UserDataFolder() = 0;
    virtual std::string OSVersion() = 0;  // "Linux"
    // Process priority: 0 normal, 1 above normal, 2 high; best effort, never an error.
    virtual void SetPriority(int processClass, int threadPriority) = 0;
    // A blocking message box where a display exists; always also written to stderr.
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    // The user's pictures folder, as the desktop names it, ending in "/"; "" when there is no home.
    virtual std::string PicturesFolder() = 0;
    // Asks the desktop to show the picture at path as its wallpaper; true only when it took it.
    virtual bool SetWallpaper(const std::string& path) = 0;
};

}  // namespace platform
