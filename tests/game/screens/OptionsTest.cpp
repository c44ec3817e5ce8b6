// The options screen over the game's data: the volumes as the dots are dragged (in the mixer at once, in
// the settings file once let go), the full-screen box through a restart, and every option kept by OK or
// Escape for the next run, back on the screen that opened the options.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "framework/profile/Profile.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/Slider.h"
#include "game/save/ProfileHooks.h"
#include "game/screens/OptionsScreen.h"
#include "platform/KeyCodes.h"
#include "platform/audio/MixerAudio.h"
#include "tests/game/screens/GameScreenFixture.h"

namespace {

// The settings as a second run reads them: a game object of its own over the same folders, started
// after an orderly exit of the first.
struct NextRun {
    explicit NextRun(const std::string& home)
        : exited(TGame::MakeGoodExit()),
          platform(home, {1920, 1080, 32, 60}),
          game(platform),
          guard(game, kMurkwell) {
        game.DataFolder = std::string(MURKWELL_DATA_DIR) + "/";
        game.SetDefaultPaths();
        game.SetSubPathWrapper("Tarnfield/Murkwell", 1);
        game.CheckGoodExit();
        game.Init(0, 1);
        game.UseDesktopResolution = 1;
        game.GraphicsCreate(0);
    }
    int exited;  // the first run's exit, written while it is still the game
    platform::NullPlatform platform;
    TGame game;
    TGameGuard guard;
};

class OptionsTest : public murkwell::test::GameScreenFixture {
protected:
    ~OptionsTest() override { OptionsScreen.reset(); }

    TOptionsScreen& Enter() {
        Push(platform::EventType::MouseMove, 0, 0, 512, 720);
        opener.name = "opener";
        opener.PreStart();
        OptionsScreen = std::make_shared<TOptionsScreen>();
        OptionsScreen->ReturnDestination = [this] { return &opener; };
        OptionsScreen->PreStart();
        Frames(80);  // the fade in
        return *OptionsScreen;
    }
    std::string Settings() {
        std::ifstream in(game().Ini.FileName + ".ini");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool SettingsSay(const std::string& line) {
        return Settings().find("\n" + line + "\n") != std::string::npos;
    }
    float Heard(platform::ChannelId channel) {
        auto& audio = dynamic_cast<platform::MixerAudio&>(platform().GetAudio());
        const float volume = audio.GetMixer().Volume(channel);
        audio.Stop(channel);
        audio.SetVolume(channel, 0);
        return volume;
    }
    float MusicVolumeInMixer() {
        return dynamic_cast<platform::MixerAudio&>(platform().GetAudio())
            .GetMixer()
            .Volume(game().MusicChannel);
    }
    void PointerTo(int x, int y) {
        Push(platform::EventType::MouseMove, 0, 0, x, y);
        Frames(2);
    }
    void Button(platform::EventType type, int x, int y) {
        Push(type, 0, 1, x, y);
        Frames(2);
    }
    // A click on a box, wherever the display puts the virtual screen.
    void ClickBox(const TCheckBox& box) {
        int x = 0, y = 0;
        game().VirtualToWindow(static_cast<int>(box.x) + 10, static_cast<int>(box.y) + 10, x, y);
        Push(platform::EventType::MouseMove, 0, 0, x, y);
        Frames(2);
        Button(platform::EventType::MouseDown, x, y);
        Button(platform::EventType::MouseUp, x, y);
    }

    TScreen opener;
};

TEST_F(OptionsTest, TheMusicFollowsItsDotAtOnceTheSoundClicksAtEachNewVolumeAndBothAreSavedWhenLetGo) {
    TOptionsScreen& options = Enter();
    ASSERT_TRUE(game().MusicIsPlaying()) << "the options play their own music";
    const int y = static_cast<int>(options.MusicSlider->y) + 10;
    // The groove runs from 380 to 644: a quarter of it is 66 pixels.
    PointerTo(512, y);
    Button(platform::EventType::MouseDown, 512, y);
    EXPECT_EQ(game().MusicVolume, 50);
    EXPECT_FLOAT_EQ(MusicVolumeInMixer(), 0.5f);
    PointerTo(446, y + 40);  // off the bar, still held
    EXPECT_EQ(game().MusicVolume, 25);
    EXPECT_FLOAT_EQ(MusicVolumeInMixer(), 0.25f);
    EXPECT_TRUE(SettingsSay("MUSIC VOLUME=100")) << "not written while dragging";
    Button(platform::EventType::MouseUp, 446, y + 40);
    EXPECT_TRUE(SettingsSay("MUSIC VOLUME=25"));
    EXPECT_EQ(Heard(options.ChannelClick), 0) << "the music's dot is silent";

    const int sy = static_cast<int>(options.SoundSlider->y) + 10;
    PointerTo(644, sy);
    Button(platform::EventType::MouseDown, 644, sy);
    EXPECT_EQ(Heard(options.ChannelClick), 0) << "100 as it was: no change, no click";
    for (const auto& [x, volume] : {std::pair{512, 50}, std::pair{446, 25}}) {
        PointerTo(x, sy);
        EXPECT_EQ(game().SoundVolume, volume);
        EXPECT_FLOAT_EQ(Heard(options.ChannelClick), volume / 100.0f) << "the click at the new volume";
    }
    Frames(20);
    EXPECT_EQ(Heard(options.ChannelClick), 0) << "held still: no more clicks";
    EXPECT_TRUE(SettingsSay("SOUND VOLUME=100"));
    Button(platform::EventType::MouseUp, 446, sy);
    EXPECT_TRUE(SettingsSay("SOUND VOLUME=25"));
    EXPECT_EQ(game().MusicVolume, 25);
}

TEST_F(OptionsTest, TheFullScreenBoxSwitchesAtOnceAndTheNextRunStartsAsItWasLeft) {
    TOptionsScreen& options = Enter();
    for (const int wanted : {1, 0}) {
        SCOPED_TRACE(wanted);
        ClickBox(*options.FullScreenCheckBox);
        EXPECT_EQ(game().FullScreen, wanted);
        EXPECT_EQ(platform().TestGraphics().LastSpec().depth != 0, wanted == 1) << "the display was reopened";
        EXPECT_EQ(options.FullScreenCheckBox->state, wanted);
        EXPECT_TRUE(SettingsSay("FULL SCREEN=" + std::to_string(wanted)));
        NextRun next(Folder() + "/home/");
        EXPECT_EQ(next.game.FullScreen, wanted);
        EXPECT_EQ(next.platform.TestGraphics().LastSpec().depth != 0, wanted == 1);
    }
    // Where full screen cannot be had, the box keeps showing the window whatever it is clicked.
    game().ForceWindowedMode = 1;
    ClickBox(*options.FullScreenCheckBox);
    EXPECT_EQ(game().FullScreen, 0);
    EXPECT_EQ(options.FullScreenCheckBox->state, 0);
}

TEST_F(OptionsTest, OkAndEscapeKeepEveryOptionForTheNextRunAndGoBackToTheOpener) {
    struct Case {
        bool escape;
        int tips, pointer, musicX, music;
    };
    const Case cases[] = {{false, 0, 0, 446, 25}, {true, 1, 1, 578, 75}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.escape ? "escape" : "ok");
        TOptionsScreen& options = Enter();
        ClickBox(*options.TipsCheckBox);
        ClickBox(*options.CustomCursorCheckBox);
        EXPECT_EQ(SaveData.showTips, c.tips);
        EXPECT_EQ(game().CustomMousePointer, c.pointer);
        EXPECT_EQ(platform().TestGraphics().PointerShown(), c.pointer == 0) << "the system's pointer instead";
        ClickAt(static_cast<float>(c.musicX), options.MusicSlider->y + 10);
        if (c.escape) {
            Push(platform::EventType::KeyDown, platform::vk::kEscape);
            Push(platform::EventType::KeyUp, platform::vk::kEscape);
            Frames(2);
        } else {
            ClickButton(*options.Menu, "ok");
        }
        Frames(80);
        EXPECT_EQ(game().CurrentTScreen, &opener);

        {
            NextRun next(Folder() + "/home/");
            EXPECT_EQ(next.game.MusicVolume, c.music);
            EXPECT_EQ(next.game.CustomMousePointer, c.pointer);
        }
        SaveData = TSaveData{};
        auto profile = TProfile::Create(game().CurrentProfile->Name);
        AttachSaveData(*profile);
        ASSERT_EQ(profile->LoadAttempt(), 1);
        EXPECT_EQ(SaveData.showTips, c.tips);
    }
}

}  // namespace
