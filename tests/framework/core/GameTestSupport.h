#pragma once

#include <memory>
#include <string>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/Globals.h"
#include "platform/null/NullPlatform.h"
#include "tests/support/TempFolder.h"

namespace murkwell::test {

// A game object on the null platform, installed as the global Game for the test's lifetime, with its
// per-user folder in a fresh temporary folder.
class GameFixture {
public:
    explicit GameFixture(platform::DisplayMode desktop = {1920, 1080, 32, 60})
        : platform_(temp_.Path() + "/home/", desktop),
          game_(std::make_unique<TGame>(platform_)),
          guard_(*game_, kMurkwell) {
        DefaultFadeTime = 300;
    }

    TGame& game() { return *game_; }

    // The start-up a test of the running game needs: folders and settings in the temporary folder (the
    // data folder too, unless one is given), the channel pool, and the display opened windowed at
    // 1024 × 768.
    void StartUp(int fullScreen = 0, const std::string& dataFolder = "") {
        TGame& g = *game_;
        g.DataFolder = dataFolder.empty() ? temp_.Path() + "/data/" : dataFolder;
        g.SetDefaultPaths();
        g.SetSubPathWrapper("Tarnfield/Murkwell", 1);
        g.CheckGoodExit();
        g.Init(0, 1);
        g.ChannelsCreate(16);
        g.FullScreen = fullScreen;
        g.UseDesktopResolution = 1;
        g.GraphicsCreate(0);
        g.FixedRateLogic.JitterCorrection = 0;
        g.FixedRateLogic.Init();
    }
    // One frame of ms milliseconds: its logic ticks, then its drawing. Returns MainLogicLoop's result.
    int Frame(double ms = 5) {
        platform_.TestClock().Advance(ms);
        const int result = game_->MainLogicLoop();
        if (result != -1) game_->ScreenDraw();
        return result;
    }
    void Push(platform::EventType type, int key = 0, int button = 0, int x = 0, int y = 0) {
        platform::Event e;
        e.type = type;
        e.key = key;
        e.button = button;
        e.x = x;
        e.y = y;
        platform_.TestEvents().Push(e);
    }
    void Char(char32_t c) {
        platform::Event e;
        e.type = platform::EventType::Character;
        e.character = c;
        platform_.TestEvents().Push(e);
    }
    platform::NullPlatform& platform() { return platform_; }
    const std::string& Folder() const { return temp_.Path(); }

private:
    TempFolder temp_;
    platform::NullPlatform platform_;
    std::unique_ptr<TGame> game_;
    TGameGuard guard_;
};

}  // namespace murkwell::test
