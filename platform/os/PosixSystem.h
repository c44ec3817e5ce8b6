#pragma once

#include "platform/System.h"

namespace platform {

// The operating-system services without a display: messages go to stderr.
class PosixSystem : public System {
public:
    std::string UserDataFolder() override;
    std::string OSVersion() override { return "Linux"; }
    void SetPriority(int processClass, int threadPriority) override;
    void ShowMessage(const std::string& title, const std::string& text) override;
    std::string PicturesFolder() override;
    // Without a display there is no desktop to ask.
    bool SetWallpaper(const std::string&) override { return false; }
};

}  // namespace platform
