#pragma once

// The running game as a benchmark starts it: SDL's dummy video driver and software renderer, full screen
// on the dummy display's 1024 × 768 desktop (drawn at that size and shown unscaled, as the game starts; a
// smaller window would add a stretch of the whole frame), the build's data folder, a settings folder of
// its own, sixteen channels and the banks pointed at the data.
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/ImageBank.h"
#include "platform/sdl/SdlPlatform.h"

struct HeadlessGame {
    std::unique_ptr<platform::Platform> platform;
    std::unique_ptr<TGame> game;
    std::unique_ptr<TGameGuard> guard;

    // The display is opened with the game's particle setting; false with error when SDL cannot start.
    bool Open(int particles, std::string& error) {
        const std::string home = std::filesystem::temp_directory_path() / "murkwell-bench-home";
        setenv("XDG_DATA_HOME", home.c_str(), 1);
        platform = platform::CreateSdlPlatform({true, true}, error);
        if (!platform) return false;
        LogicDuringFade = 1;
        game = std::make_unique<TGame>(*platform);
        guard = std::make_unique<TGameGuard>(*game, kMurkwell);
        game->DataFolder = std::string(MURKWELL_DATA_DIR) + "/";
        game->SetDefaultPaths();
        game->SetSubPathWrapper("Tarnfield/Murkwell", 1);
        game->Init(0, 1);
        game->FixedRateLogic.SetDefaultFramerate(kMurkwell.LogicRate);
        game->ChannelsCreate(16);
        game->FullScreen = 1;
        game->UseDesktopResolution = 1;
        game->Particles = particles;
        game->GraphicsCreate(0);
        SoundBank.SetPath(game->SoundPath);
        ImageBank.SetPath(game->ImagePath);
        return true;
    }
};
