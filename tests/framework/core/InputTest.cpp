// Input state, the framework's own keys, focus, pausing and closing, on the null platform.
#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "framework/core/FrameworkKeys.h"
#include "framework/core/Input.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/Screen.h"
#include "framework/ui/MousePointer.h"
#include "platform/KeyCodes.h"
#include "platform/files/Files.h"

namespace {

using platform::EventType;
namespace vk = platform::vk;

// A screen that counts its ticks and records the key hits it is given.
class ProbeScreen : public TScreen {
public:
    int ticks = 0;
    int escapesSeen = 0;
    int Logic() override {
        ++ticks;
        escapesSeen += KeyHit(vk::kEscape);
        return 1;
    }
};

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.StartUp();
        screen.name = "probe";
        screen.CoreStart();
    }
    TGame& game() { return fixture.game(); }
    void Key(int code) {
        fixture.Push(EventType::KeyDown, code);
        fixture.Push(EventType::KeyUp, code);
    }
    // Runs frames until the fade is over (or 200 frames).
    void RunOutFade() {
        for (int i = 0; i < 200 && game().GameFade->Active; ++i) fixture.Frame();
    }

    murkwell::test::GameFixture fixture;
    ProbeScreen screen;
};

TEST_F(InputTest, AKeyHitIsReportedOnce) {
    fixture.Push(EventType::KeyDown, vk::kA);
    game().DoPeekEvent();
    EXPECT_EQ(KeyDown(vk::kA), 1);
    EXPECT_EQ(AnyKeyHit(), vk::kA);
    EXPECT_EQ(KeyHit(vk::kA), 1);
    EXPECT_EQ(KeyHit(vk::kA), 0) << "a second query in the same tick sees nothing";
    EXPECT_EQ(KeyHit(-1), 0);
    EXPECT_EQ(KeyHit(300), 0);
    fixture.Push(EventType::KeyUp, vk::kA);
    game().DoPeekEvent();
    EXPECT_EQ(KeyDown(vk::kA), 0);
}

TEST_F(InputTest, AutoRepeatCountsAsAnotherPress) {
    platform::Event e;
    e.type = EventType::KeyDown;
    e.key = vk::kA;
    fixture.platform().TestEvents().Push(e);
    e.repeat = true;
    fixture.platform().TestEvents().Push(e);
    game().DoPeekEvent();
    EXPECT_EQ(AnyKeyHit(), -1) << "a count of two is not a single hit";
    EXPECT_EQ(KeyHit(vk::kA), 1);
    fixture.platform().TestEvents().Push(e);
    game().DoPeekEvent();
    EXPECT_EQ(KeyHit(vk::kA), 1) << "a held key repeats";
}

TEST_F(InputTest, InSystemInputModeTheQueriesPollThePlatformThemselves) {
    SystemInputMode = 1;
    fixture.Push(EventType::KeyDown, (vk::kA + 1));
    EXPECT_EQ(KeyDown((vk::kA + 1)), 1) << "no DoPeekEvent was needed";
    EXPECT_EQ(AnyKeyHit(), (vk::kA + 1));
    fixture.Push(EventType::MouseDown, 0, 1);
    EXPECT_EQ(game().Mouse->GetMb(1), 1);
    EXPECT_EQ(game().Mouse->MouseHit(), 1);
    fixture.Push(EventType::KeyDown, (vk::kA + 2));
    fixture.Push(EventType::CloseRequest);
    EXPECT_EQ(KeyHit((vk::kA + 2)), 1);
    EXPECT_EQ(game().TerminatedEvent, 1) << "a close request is kept for the main loop";
    fixture.Push(EventType::KeyDown, (vk::kA + 3));
    SystemInputMode = 0;
    game().DoPeekEvent();
    EXPECT_EQ(KeyHit((vk::kA + 3)), 1) << "events not yet polled reach the queue";
    EXPECT_EQ(KeyHit((vk::kA + 1)), 0) << "keys polled in system input mode do not";
    EXPECT_EQ(KeyDown((vk::kA + 1)), 0);
}

TEST_F(InputTest, The257thPendingCharacterIsDropped) {
    for (int i = 0; i < 257; ++i) fixture.Char(U'a' + i % 26);
    game().DoPeekEvent();
    EXPECT_EQ(CharactersPending(), 256);
    EXPECT_EQ(GetChar(), U'a');
    fixture.Char(U'!');
    game().DoPeekEvent();
    EXPECT_EQ(CharactersPending(), 256) << "there was room for one again";
    FlushKeys();
    EXPECT_EQ(GetChar(), 0u);
}

TEST_F(InputTest, MouseButtonsHitsAndWheel) {
    fixture.Push(EventType::MouseMove, 0, 0, 100, 200);
    fixture.Push(EventType::MouseDown, 0, 2);
    platform::Event wheel;
    wheel.type = EventType::MouseWheel;
    wheel.wheel = -2;
    fixture.platform().TestEvents().Push(wheel);
    game().DoPeekEvent();
    TMousePointer& mouse = *game().Mouse;
    EXPECT_EQ(mouse.x, 100);
    EXPECT_EQ(mouse.y, 200);
    EXPECT_EQ(mouse.ButtonDown(2), 1);
    EXPECT_EQ(mouse.GetMb(), 1);
    EXPECT_EQ(mouse.WheelSpeed, -2);
    EXPECT_EQ(mouse.WheelTotal, -2);
    EXPECT_EQ(mouse.MouseHit(2), 1);
    EXPECT_EQ(mouse.MouseHit(2), 0);
    fixture.Push(EventType::MouseUp, 0, 2);
    game().DoPeekEvent();
    EXPECT_EQ(mouse.GetMb(), 0);
}

TEST_F(InputTest, EscapeFadesOutToTheExitScreenAndEndsTheProgram) {
    Key(vk::kEscape);
    fixture.Frame();
    EXPECT_TRUE(game().GameFade->Active);
    EXPECT_EQ(game().DestinationTScreen, game().ExitScreen.get());
    int result = 0;
    for (int i = 0; i < 200 && result != -1; ++i) result = fixture.Frame();
    EXPECT_EQ(result, -1);
    EXPECT_EQ(game().CurrentTScreen, game().ExitScreen.get());
}

TEST_F(InputTest, EscapeDuringAFadeFinishesItInsteadOfStartingAnother) {
    game().GameFade->Init(DefaultFadeTime, 0, 0, 0, 0, nullptr);
    Key(vk::kEscape);
    fixture.Frame();
    EXPECT_FALSE(game().GameFade->Active);
    EXPECT_EQ(game().GameFade->FadeInAborted, 1);
    EXPECT_EQ(game().GameFade->AbortKey, 0);
    EXPECT_EQ(game().DestinationTScreen, nullptr) << "no fade out was started";
}

TEST_F(InputTest, EscapeWhilePausedOnlyUnpauses) {
    game().TogglePause();
    ASSERT_EQ(game().Paused, 1);
    Key(vk::kEscape);
    fixture.Frame();
    EXPECT_EQ(game().Paused, 0);
    EXPECT_FALSE(game().GameFade->Active);
}

TEST_F(InputTest, AClickUnpauses) {
    game().TogglePause();
    const int ticks = screen.ticks;
    fixture.Frame();
    EXPECT_EQ(screen.ticks, ticks) << "no logic while paused";
    fixture.Push(EventType::MouseDown, 0, 1);
    fixture.Push(EventType::MouseUp, 0, 1);
    fixture.Frame();
    EXPECT_EQ(game().Paused, 0);
}

TEST_F(InputTest, ThePauseKeyPausesAndSwitchesMusicOff) {
    Key(PauseKey);
    fixture.Frame();
    EXPECT_EQ(game().Paused, 1);
    EXPECT_EQ(game().PausedMusicState, 1);
    Key(PauseKey);
    fixture.Frame();
    EXPECT_EQ(game().Paused, 0);
    EXPECT_EQ(game().Music, 1);
}

TEST_F(InputTest, EscapeGoesToTheScreenWhenItHandlesEscapeItself) {
    game().IgnoreEscapeKey = 1;
    Key(vk::kEscape);
    fixture.Frame();
    EXPECT_EQ(screen.escapesSeen, 1);
    EXPECT_FALSE(game().GameFade->Active);
}

TEST_F(InputTest, ACloseRequestFadesOutAndEnds) {
    fixture.Push(EventType::CloseRequest);
    EXPECT_EQ(fixture.Frame(), 1);
    EXPECT_TRUE(game().GameFade->Active);
    EXPECT_EQ(game().GameFade->Length, 60) << "the default fade of 300 ms";
    int frames = 0, result = 1;
    while (result != -1 && frames < 500) result = fixture.Frame(), ++frames;
    EXPECT_EQ(result, -1);
    EXPECT_GE(frames, 59);
}

TEST_F(InputTest, ACloseRequestWithoutTheExitFadeEndsAtOnce) {
    game().FadeOnExit = 0;
    fixture.Push(EventType::CloseRequest);
    EXPECT_EQ(fixture.Frame(), -1);
}

TEST_F(InputTest, ATerminateHookCanKeepTheProgramRunning) {
    game().TerminatedUserFunction = [] { return 1; };
    fixture.Push(EventType::CloseRequest);
    fixture.Frame();
    EXPECT_FALSE(game().GameFade->Active);
    EXPECT_EQ(game().InstantExit, 0);
}

TEST_F(InputTest, ClosingDuringALevelSavesTheProfile) {
    int saves = 0;
    game().SaveCurrentProfileFunction = [&] { return ++saves; };
    fixture.Push(EventType::CloseRequest);
    fixture.Frame();
    EXPECT_EQ(saves, 0) << "not on other screens";
    RunOutFade();
    screen.name = "game";
    game().InstantExit = 0;
    game().CurrentTScreen = &screen;
    fixture.Push(EventType::CloseRequest);
    fixture.Frame();
    EXPECT_EQ(saves, 1);
}

TEST_F(InputTest, LosingFocusInFullScreenPausesAndSuspends) {
    game().FullScreen = 1;
    game().PauseOnLossOfFullScreenFocus = 1;
    fixture.platform().TestGraphics().SetFocused(false);
    fixture.Push(EventType::FocusLost);
    fixture.Frame();
    EXPECT_EQ(game().Suspended, 1);
    EXPECT_EQ(game().Paused, 1);
    EXPECT_EQ(game().PausedMusicState, 1) << "the music switch is remembered for the unpause";
    const int ticks = screen.ticks;
    fixture.platform().TestGraphics().SetFocused(true);
    fixture.Push(EventType::FocusGained);
    fixture.Frame();
    EXPECT_EQ(game().Suspended, 0);
    EXPECT_EQ(game().Paused, 1) << "the player unpauses";
    EXPECT_EQ(screen.ticks, ticks);
}

TEST_F(InputTest, LosingFocusInAWindowSuspendsWithoutPausing) {
    fixture.platform().TestGraphics().SetFocused(false);
    fixture.Push(EventType::FocusLost);
    fixture.Frame();
    EXPECT_EQ(game().Suspended, 1);
    EXPECT_EQ(game().Paused, 0);
    const int ticks = screen.ticks;
    fixture.Frame();
    EXPECT_EQ(screen.ticks, ticks) << "no logic while suspended";
    fixture.platform().TestGraphics().SetFocused(true);
    fixture.Push(EventType::FocusGained);
    fixture.Frame();
    EXPECT_EQ(game().Suspended, 0);
    EXPECT_GT(screen.ticks, ticks);
    EXPECT_EQ(game().Music, 1);
}

TEST_F(InputTest, IgnoredFrameworkKeysDoNothingButAltEnterStillToggles) {
    game().IgnoreFrameworkKeys = 1;
    const int music = game().Music, vsync = game().VSync, fullScreen = game().FullScreen,
              driver = game().Driver;
    for (int key : {ScreenshotKey, MusicKey, FullScreenKey, VSyncKey, DriverKey}) Key(key);
    fixture.Frame();
    EXPECT_EQ(game().Music, music);
    EXPECT_EQ(game().VSync, vsync);
    EXPECT_EQ(game().FullScreen, fullScreen);
    EXPECT_EQ(game().Driver, driver);
    std::vector<std::string> names;
    std::string error;
    platform::files::ListFolder(game().SubPath, names, error);
    for (const std::string& n : names) EXPECT_EQ(n.find("screenshot"), std::string::npos) << n;

    fixture.Push(EventType::KeyDown, vk::kLeftAlt);
    Key(vk::kEnter);
    fixture.Frame();
    EXPECT_EQ(game().FullScreen, 1 - fullScreen);
}

TEST_F(InputTest, FrameworkKeysActWhenSwitchedOn) {
    game().IgnoreFrameworkKeys = 0;
    const int vsync = game().VSync;
    Key(VSyncKey);
    fixture.Frame();
    EXPECT_EQ(game().VSync, 1 - vsync);
    Key(ScreenshotKey);
    fixture.Frame();
    std::vector<std::string> names;
    std::string error;
    platform::files::ListFolder(game().SubPath, names, error);
    int shots = 0;
    for (const std::string& n : names) shots += n == "2000-01-01 000000 screenshot.png";
    EXPECT_EQ(shots, 1);
}

TEST(Screenshot, NamesFollowTheDate) {
    EXPECT_EQ(TGame::ScreenshotName({2026, 12, 8, 16, 30, 0}), "2026-12-08 163000 screenshot.png");
    EXPECT_EQ(TGame::ScreenshotName({2027, 1, 2, 3, 4, 5}), "2027-01-02 030405 screenshot.png");
}

}  // namespace
