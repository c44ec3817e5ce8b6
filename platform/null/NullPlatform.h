#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/null/NullEvents.h"
#include "platform/null/NullGraphics.h"
#include "platform/os/SystemClock.h"

namespace platform {

// Records messages instead of showing them, so tests can read what the game said.
class RecordingSystem : public System {
public:
    explicit RecordingSystem(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {}
    std::string UserDataFolder() override { return dataFolder_; }
    std::string OSVersion() override { return "Linux"; }
    void SetPriority(int processClass, int) override { priority_ = processClass; }
    void ShowMessage(const std::string& title, const std::string& text) override {
        messages_.push_back(title + ": " + text);
    }
    std::string PicturesFolder() override { return dataFolder_ + "Pictures/"; }
    // Takes the wallpaper when told to, and remembers the last one asked for.
    bool SetWallpaper(const std::string& path) override {
        wallpaper_ = path;
        return acceptWallpaper_;
    }
    const std::vector<std::string>& Messages() const { return messages_; }
    int Priority() const { return priority_; }
    const std::string& Wallpaper() const { return wallpaper_; }
    void AcceptWallpaper(bool yes) { acceptWallpaper_ = yes; }

private:
    std::string wallpaper_;
    bool acceptWallpaper_ = false;
    std::string dataFolder_;
    std::vector<std::string> messages_;
    int priority_ = 0;
};

// The platform of tests, bots and benchmarks: no SDL, a clock that moves only when told, events pushed by
// the caller, silent audio whose channels still run on the clock's time.
class NullPlatform : public Platform {
public:
    // dataFolder: what the platform reports as the per-user data folder (ending in "/").
    explicit NullPlatform(const std::string& dataFolder, DisplayMode desktop = {1024, 768, 32, 60});

    // The concrete parts, for the caller to drive and inspect.
    ManualClock& TestClock() { return *clock_; }
    NullGraphics& TestGraphics() { return *graphics_; }
    NullEvents& TestEvents() { return *events_; }
    RecordingSystem& TestSystem() { return *system_; }

private:
    struct Parts;
    explicit NullPlatform(Parts parts);
    ManualClock* clock_;
    RecordingSystem* system_;
    NullGraphics* graphics_;
    NullEvents* events_;
};

}  // namespace platform
