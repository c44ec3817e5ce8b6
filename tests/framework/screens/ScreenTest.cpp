// Screens and the fades between them, on the null platform.
#include <gtest/gtest.h>

#include "framework/core/Input.h"
#include "framework/core/Messages.h"
#include "framework/gfx/GameImage.h"
#include "framework/screens/CrossFade.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/LoadingScreen.h"
#include "framework/screens/Screen.h"
#include "framework/screens/TransitionEffect.h"
#include "platform/KeyCodes.h"
#include "tests/framework/core/GameTestSupport.h"

namespace {

using platform::EventType;

// A screen that records what the framework did to it, and fades in when started as screens do.
class RecordingScreen : public TScreen {
public:
    std::vector<std::string> calls;
    TScreen* next = nullptr;
    int Load() override {
        calls.push_back("Load");
        return 1;
    }
    int Start() override {
        calls.push_back("Start");
        TScreen::Start();
        Game->GameFade->Init(DefaultFadeTime, 0, 0, 0, 0, nullptr);
        return 1;
    }
    int CoreStart() override {
        calls.push_back("CoreStart");
        return TScreen::CoreStart();
    }
    int Kill() override {
        calls.push_back("Kill");
        return TScreen::Kill();
    }
    int PostFadeIn() override {
        calls.push_back("PostFadeIn");
        return 1;
    }
    int PostFadeOut() override {
        calls.push_back("PostFadeOut");
        return 1;
    }
    int Logic() override {
        ++ticks;
        return 1;
    }
    // Leaves for next with the default fade.
    void Leave() {
        Game->DestinationTScreen = next;
        Game->GameFade->Init(DefaultFadeTime, 1, 0, 0, 0, nullptr);
    }
    int ticks = 0;
};

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.StartUp();
        a.name = "a";
        b.name = "b";
        a.next = &b;
        b.next = &a;
        a.PreStart();
        RunFrames(100);
        a.calls.clear();
    }
    TGame& game() { return fixture.game(); }
    void RunFrames(int n) {
        for (int i = 0; i < n; ++i) fixture.Frame();
    }

    murkwell::test::GameFixture fixture;
    RecordingScreen a, b;
};

TEST_F(ScreenTest, AFadeOutSwitchesScreensAndTheNextFadesIn) {
    a.Leave();
    EXPECT_EQ(game().GameFade->Length, 60);
    RunFrames(59);
    EXPECT_EQ(game().CurrentTScreen, &a) << "still fading";
    RunFrames(2);
    EXPECT_EQ(game().CurrentTScreen, &b);
    EXPECT_EQ(a.calls, (std::vector<std::string>{"PostFadeOut", "Kill"}));
    EXPECT_EQ(b.calls, (std::vector<std::string>{"Load", "Start", "CoreStart"}));
    EXPECT_EQ(game().LastTScreen, &a);
    EXPECT_TRUE(game().GameFade->Active);
    EXPECT_EQ(game().GameFade->Out, 0);
    RunFrames(61);
    EXPECT_FALSE(game().GameFade->Active);
    EXPECT_EQ(b.calls.back(), "PostFadeIn");
}

TEST_F(ScreenTest, AScreenThatGoesAwayIsForgottenAsTheLastCurrentAndDestinationScreen) {
    {
        RecordingScreen passing;
        passing.name = "passing";
        passing.next = &a;
        game().DestinationTScreen = &passing;
        b.next = &passing;
        b.Leave();
        RunFrames(62);
        ASSERT_EQ(game().CurrentTScreen, &passing);
        RunFrames(62);  // its fade in
        passing.Leave();
        RunFrames(62);
        ASSERT_EQ(game().LastTScreen, &passing);
        game().DestinationTScreen = &passing;
    }
    EXPECT_EQ(game().LastTScreen, nullptr);
    EXPECT_EQ(game().DestinationTScreen, nullptr);
    EXPECT_EQ(game().CurrentTScreen, &a);
}

TEST_F(ScreenTest, NoLogicRunsUnderAFadeThatDoesNotAllowIt) {
    a.Leave();
    const int ticks = a.ticks;
    RunFrames(30);
    EXPECT_EQ(a.ticks, ticks);
    RunFrames(200);
    game().GameFade->Init(1000, 0, 0, 1, 0, nullptr);
    const int before = b.ticks;
    RunFrames(10);
    EXPECT_GT(b.ticks, before) << "a fade that allows animation lets the logic run";
}

TEST_F(ScreenTest, WithFadesOffTheSwitchHappensInTheSameTick) {
    game().Fade = 0;
    game().CurrentTScreen = &a;
    // The screen leaves during its own logic; the second switch call of the tick takes it.
    struct Leaver : RecordingScreen {
        int Logic() override {
            Leave();
            return 1;
        }
    } leaver;
    leaver.next = &b;
    game().CurrentTScreen = &leaver;
    fixture.Frame();
    EXPECT_EQ(game().CurrentTScreen, &b);
}

TEST_F(ScreenTest, AKeyOrClickDuringAFadeInShowsTheScreenAtOnce) {
    a.Leave();
    RunFrames(65);
    ASSERT_TRUE(game().GameFade->Active);
    ASSERT_EQ(game().GameFade->Out, 0);
    fixture.Push(EventType::KeyDown, platform::vk::kSpace);
    fixture.Frame();
    EXPECT_FALSE(game().GameFade->Active);
    EXPECT_FLOAT_EQ(game().GameFade->Ratio, 1.0f);
    EXPECT_EQ(game().GameFade->FadeInAborted, 1);
    EXPECT_EQ(game().GameFade->AbortKey, platform::vk::kSpace);

    b.Leave();
    RunFrames(65);
    fixture.Push(EventType::MouseDown, 0, 1);
    fixture.Frame();
    EXPECT_EQ(game().GameFade->AbortKey, -1) << "a click records no key";
}

TEST_F(ScreenTest, AKeyDuringAFadeOutSwitchesAtOnce) {
    a.Leave();
    fixture.Frame();
    fixture.Push(EventType::KeyDown, platform::vk::kSpace);
    fixture.Frame();
    fixture.Frame();
    EXPECT_EQ(game().CurrentTScreen, &b);
}

TEST_F(ScreenTest, AFadeRequestedWhileOneRunsIsIgnored) {
    a.Leave();
    EXPECT_EQ(game().GameFade->Init(5000, 1, 0, 0, 0, nullptr), 0);
    EXPECT_EQ(game().GameFade->Length, 60);
}

TEST_F(ScreenTest, AFinishedFadeInNeverSwitches) {
    game().DestinationTScreen = &b;
    game().GameFade->Init(DefaultFadeTime, 0, 0, 0, 0, nullptr);
    RunFrames(80);
    EXPECT_EQ(game().CurrentTScreen, &a);
}

TEST_F(ScreenTest, AScreenWithBothStopsIsKeptAndReenteredWithoutReloading) {
    a.StopKill = 1;
    a.StopInit = 1;
    a.Leave();
    RunFrames(200);
    ASSERT_EQ(game().CurrentTScreen, &b);
    EXPECT_EQ(a.calls, (std::vector<std::string>{"PostFadeOut"})) << "not killed";
    b.Leave();
    RunFrames(200);
    EXPECT_EQ(game().CurrentTScreen, &a);
    EXPECT_EQ(a.calls.back(), "CoreStart");
    EXPECT_EQ(std::count(a.calls.begin(), a.calls.end(), "Load"), 0);
    a.ResetStops();
    EXPECT_EQ(a.StopKill + a.StopInit, 0);
}

TEST_F(ScreenTest, MoveBarAdvancesTheLoadingBarAndShowsItAtMostOnceADisplayFrame) {
    TLoadingScreen& loading = *game().LoadingScreen;
    for (const uint32_t msPerStep : {TLoadingScreen::kShowEveryMs, 1u}) {
        loading.LoadingBar.Init(nullptr, nullptr, nullptr);
        loading.LoadingBar.w = 498;
        loading.SetSteps(249);
        loading.ShownAt.reset();
        const int flips = fixture.platform().TestGraphics().Drawn().flips;
        for (int i = 0; i < 248; ++i) {
            game().MoveBar();
            fixture.platform().TestClock().Advance(msPerStep);
        }
        EXPECT_EQ(loading.Finished, 0);
        EXPECT_FLOAT_EQ(loading.LoadingBar.Position, 496);
        game().MoveBar();
        EXPECT_EQ(loading.Finished, 1);
        EXPECT_FLOAT_EQ(loading.LoadingBar.Position, 498);
        // Steps a display frame apart are each shown; quicker ones once a frame, and the last always.
        const int shown = fixture.platform().TestGraphics().Drawn().flips - flips;
        EXPECT_EQ(shown, msPerStep == 1 ? 1 + 248 / 16 + 1 : 249) << msPerStep;
    }
}

TEST_F(ScreenTest, TheExitScreenEndsTheProgramOnTheNextTick) {
    game().DestinationTScreen = game().ExitScreen.get();
    game().GameFade->Init(DefaultFadeTime, 1, 0, 0, 0, nullptr);
    int result = 1;
    for (int i = 0; i < 100 && result != -1; ++i) result = fixture.Frame();
    EXPECT_EQ(result, -1);
    EXPECT_EQ(game().InstantExit, 1);
}

TEST_F(ScreenTest, AMissingDestinationIsFatal) {
    game().DestinationTScreen = nullptr;
    game().GameFade->Init(DefaultFadeTime, 1, 0, 0, 0, nullptr);
    EXPECT_THROW(RunFrames(100), FatalMessage);
    EXPECT_EQ(fixture.platform().TestSystem().Messages().back(),
              "Murkwell: Screen 'a' does not have a destination screen set!");
}

TEST_F(ScreenTest, TheFadeDrawsTheClearColourOverTheScreen) {
    a.Leave();
    RunFrames(30);
    fixture.platform().TestGraphics().ResetCounts();
    game().ScreenDraw();
    EXPECT_EQ(fixture.platform().TestGraphics().Drawn().rects, 1);
    EXPECT_NEAR(game().GameFade->Ratio, 0.5f, 0.02f);
}

}  // namespace

namespace {

TEST(TransitionEffect, CreateTurnsMillisecondsIntoTicksAndCopyKeepsTheDescription) {
    murkwell::test::GameFixture fixture;
    auto effect = TTransitionEffect::Create(3, 500);
    EXPECT_EQ(effect->EffectType, 3);
    EXPECT_EQ(effect->Length, 100);
    effect->ScrollSpeedX = 2;
    effect->ZoomSpeed = 0.5f;
    effect->MaskEndSize = 4;
    effect->MaskAndFade = 1;
    const auto copy = effect->CreateCopy();
    EXPECT_EQ(copy->Length, 100);
    EXPECT_EQ(copy->ScrollSpeedX, 2);
    EXPECT_EQ(copy->MaskEndSize, 4);
    EXPECT_EQ(copy->ZoomSpeed, 0) << "not copied";
    EXPECT_EQ(copy->MaskAndFade, 0) << "not copied";
}

}  // namespace

namespace {

TEST(CrossFade, TheSecondPictureComesInOverTheTimeAndStays) {
    murkwell::test::GameFixture fixture;
    fixture.StartUp();
    platform::PixelMap pixels(8, 8);
    auto picture = TGameImage::CreateFromImage(fixture.platform().GetGraphics().LoadImage(pixels, 0), "P", 0);
    auto fade = TCrossFade::Create(picture, picture, 500);
    fade->SetImage2Coords(3, 4);
    EXPECT_EQ(fade->X2, 3);
    EXPECT_EQ(fade->Y2, 4);
    for (int tick = 0; tick < 50; ++tick) fade->Manage();
    EXPECT_NEAR(fade->Anim.GetRatio(), 0.5f, 0.01f) << "half of 100 ticks";
    for (int tick = 0; tick < 80; ++tick) fade->Manage();
    EXPECT_NEAR(fade->Anim.GetRatio(), 1.0f, 0.01f) << "and it stays at the end";

    platform::NullGraphics& graphics = fixture.platform().TestGraphics();
    graphics.ResetCounts();
    graphics.SetAlpha(0.25f);
    fade->Draw();
    EXPECT_EQ(graphics.Drawn().images, 2);
    EXPECT_EQ(graphics.Alpha(), 1.0f) << "alpha is reset after the second picture";
}

}  // namespace
