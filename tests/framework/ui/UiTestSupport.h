#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Product.h"
#include "framework/core/Game.h"
#include "framework/core/GameGuard.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/screens/Screen.h"
#include "framework/ui/Button.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MousePointer.h"
#include "platform/audio/ClockedOutput.h"
#include "platform/audio/MixerAudio.h"
#include "platform/null/NullEvents.h"
#include "platform/null/NullPlatform.h"
#include "tests/framework/sprites/SpriteTestSupport.h"
#include "tests/support/TempFolder.h"

namespace murkwell::test {

// The null platform with the recording drawing layer and every part reachable, so a test can push input,
// run the clock, read what was drawn and listen to the mixer.
class UiPlatform : public platform::Platform {
public:
    explicit UiPlatform(const std::string& dataFolder)
        : UiPlatform(new platform::ManualClock, new RecordingGraphics({1920, 1080, 32, 60}),
                     new platform::NullEvents, new platform::RecordingSystem(dataFolder)) {}

    platform::ManualClock& TestClock() { return *clock_; }
    RecordingGraphics& TestGraphics() { return *graphics_; }
    platform::NullEvents& TestEvents() { return *events_; }

private:
    UiPlatform(platform::ManualClock* clock, RecordingGraphics* graphics, platform::NullEvents* events,
               platform::RecordingSystem* system)
        : Platform(std::unique_ptr<platform::Clock>(clock), std::unique_ptr<platform::System>(system),
                   std::unique_ptr<platform::Graphics>(graphics),
                   std::make_unique<platform::MixerAudio>(std::make_unique<platform::ClockedOutput>(*clock)),
                   std::unique_ptr<platform::EventSource>(events)),
          clock_(clock),
          graphics_(graphics),
          events_(events) {}

    platform::ManualClock* clock_;
    RecordingGraphics* graphics_;
    platform::NullEvents* events_;
};

// A screen that manages and draws its loose buttons on top of what a screen does.
class ButtonScreen : public TScreen {
public:
    std::vector<std::shared_ptr<TButton>> buttons;
    int Logic() override {
        TScreen::Logic();
        for (auto& b : buttons) b->Manage();
        return 1;
    }
    int Draw() override {
        TScreen::Draw();
        for (auto& b : buttons) b->Draw();
        return 1;
    }
};

// A started game on the null platform, windowed at 1024 × 768, with the menu pictures, sounds and fonts
// of the build's data folder and a button screen current. Each Tick is one 5 ms frame of the real loop:
// one logic tick with Delta 1, then the drawing.
class UiTest : public ::testing::Test {
protected:
    UiTest()
        : platform_(temp_.Path() + "/home/"),
          game_(std::make_unique<TGame>(platform_)),
          guard_(*game_, kMurkwell) {
        DefaultFadeTime = 300;
        Delta = 1.0f;
        TGame& g = *game_;
        g.DataFolder = temp_.Path() + "/data/";
        g.SetDefaultPaths();
        g.SetSubPathWrapper("Tarnfield/Murkwell", 1);
        g.CheckGoodExit();
        g.Init(0, 1);
        g.FullScreen = 0;
        g.UseDesktopResolution = 1;
        g.GraphicsCreate(0);
        g.FixedRateLogic.JitterCorrection = 0;
        g.FixedRateLogic.Init();
        const std::string data = MURKWELL_DATA_DIR;
        g.MenuPath = data + "/menus/";
        g.SoundPath = data + "/sound/";
        g.ImagePath = data + "/graphics/";
        g.FontPath = data + "/fonts/";
        screen.PreStart();
    }
    ~UiTest() override { DraggedButton = nullptr; }

    TGame& game() { return *game_; }
    RecordingGraphics& graphics() { return platform_.TestGraphics(); }
    platform::Mixer& mixer() { return dynamic_cast<platform::MixerAudio&>(platform_.GetAudio()).GetMixer(); }
    const std::string& Folder() const { return temp_.Path(); }

    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            platform_.TestClock().Advance(5);
            game_->MainLogicLoop();
            graphics().ClearLog();
            game_->ScreenDraw();
        }
    }
    // Input lands at the next Tick; the pointer's events carry its last position.
    void Push(platform::EventType type, int key = 0, int button = 0) {
        platform::Event e;
        e.type = type, e.key = key, e.button = button, e.x = mx_, e.y = my_;
        platform_.TestEvents().Push(e);
    }
    void MoveMouse(int x, int y) { mx_ = x, my_ = y, Push(platform::EventType::MouseMove); }
    void Press() { Push(platform::EventType::MouseDown, 0, 1); }
    void Release() { Push(platform::EventType::MouseUp, 0, 1); }
    void Key(int code) { Push(platform::EventType::KeyDown, code), Push(platform::EventType::KeyUp, code); }
    // The wheel turned by notches (positive: away from the player) in one event.
    void Wheel(int notches) {
        platform::Event e;
        e.type = platform::EventType::MouseWheel;
        e.wheel = notches;
        platform_.TestEvents().Push(e);
    }
    // Typed characters, one a tick, as the keyboard's text events bring them.
    void Type(const std::u32string& text) {
        for (const char32_t c : text) {
            platform::Event e;
            e.type = platform::EventType::Character;
            e.character = c;
            platform_.TestEvents().Push(e);
            Tick();
        }
    }
    // A press and release over x, y, taken in one tick.
    void ClickAt(int x, int y) {
        MoveMouse(x, y);
        Press();
        Release();
        Tick();
    }

    // A button of a menu picture at x, y, managed and drawn by the screen.
    std::shared_ptr<TButton> AddButton(const std::string& file, float x, float y) {
        auto b = TButton::CreateSpecial(file, x, y, nullptr, nullptr, 1);
        screen.buttons.push_back(b);
        return b;
    }
    std::shared_ptr<TGameSound> Sound(const std::string& name, float volume = 1) {
        auto s = TGameSound::Create(game().SoundPath + name + ".wav", 0);
        s->volume = volume;
        return s;
    }
    // The volume a channel was last started at, and the channel stopped and silenced again, so that the
    // next read tells whether a sound started in between: 0 when none did.
    float Heard(platform::ChannelId channel) {
        if (channel == 0) return 0;
        const float v = mixer().Volume(channel);
        platform_.GetAudio().Stop(channel);
        platform_.GetAudio().SetVolume(channel, 0);
        return v;
    }
    // The pictures drawn in the last Tick (the screen, its buttons and the pointer).
    const std::vector<RecordingGraphics::Drawn>& Drawn() { return graphics().Log(); }

    ButtonScreen screen;

private:
    TempFolder temp_;
    UiPlatform platform_;
    std::unique_ptr<TGame> game_;
    TGameGuard guard_;
    int mx_ = 0, my_ = 0;
};

}  // namespace murkwell::test
