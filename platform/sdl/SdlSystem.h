#pragma once

#include "platform/os/PosixSystem.h"

namespace platform {

class SdlGraphics;

// Operating-system services with a display: messages also appear in a box over the game's window,
// except in headless runs, which must never block.
class SdlSystem : public PosixSystem {
public:
    SdlSystem(SdlGraphics* graphics, bool headless) : graphics_(graphics), headless_(headless) {}
    void ShowMessage(const std::string& title, const std::string& text) override;
    // Through the desktop's own setting where one answers (GNOME and its kin, through gsettings); never
    // in a headless run.
    bool SetWallpaper(const std::string& path) override;

private:
    SdlGraphics* graphics_;
    bool headless_;
};

}  // namespace platform
