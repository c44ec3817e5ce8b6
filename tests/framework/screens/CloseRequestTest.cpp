// A close request (the window's close button, or a terminate signal) ends the program whenever it
// arrives, whatever screen switch is under way, on the null platform, tick by tick.
#include <gtest/gtest.h>

#include "framework/screens/GameFade.h"
#include "framework/screens/Screen.h"
#include "framework/screens/SplashScreen.h"
#include "platform/codecs/ImageCodec.h"
#include "tests/framework/core/GameTestSupport.h"

namespace {

using platform::EventType;

// A screen that never sits still: it fades in with its logic running, leaves for the other screen after
// a few ticks, names that destination again on every tick of its fade out, and leaves at once when its
// fade in ends. Each Start after the close request is counted.
class RestlessScreen : public TScreen {
public:
    TScreen* next = nullptr;
    int starts = 0;
    int Start() override {
        ++starts;
        TScreen::Start();
        Game->GameFade->Init(DefaultFadeTime, 0, 0, 1, 0, nullptr);
        ticks = 0;
        return 1;
    }
    int Logic() override {
        if (++ticks >= 20 || Game->GameFade->Active) Leave();
        return 1;
    }
    int PostFadeIn() override {
        Leave();
        return 1;
    }
    void Leave() {
        Game->DestinationTScreen = next;
        Game->GameFade->Init(DefaultFadeTime, 1, 0, 1, 0, nullptr);
    }
    int ticks = 0;
};

// Runs frames of 5 ms (one tick each) until MainLogicLoop asks to quit; the frames run, or -1 if it never
// did.
int FramesUntilQuit(murkwell::test::GameFixture& fixture, int limit) {
    for (int i = 1; i <= limit; ++i) {
        if (fixture.Frame() == -1) return i;
    }
    return -1;
}

// Two restless screens on a fresh game, the first one started as the program's entry starts its first.
class Restless {
public:
    // Only the loop's own parts: the timer and the fades (no folders or display, which only cost time).
    explicit Restless(int fade, bool startFirst = true) {
        TGame& game = fixture.game();
        game.FixedRateLogic.Create();
        game.FixedRateLogic.JitterCorrection = 0;
        game.FixedRateLogic.Init();
        game.Fade = fade;
        a.next = &b;
        b.next = &a;
        if (startFirst) a.PreStart();
    }
    int Starts() const { return a.starts + b.starts; }
    murkwell::test::GameFixture fixture;
    RestlessScreen a, b;
};

TEST(CloseRequest, WinsOverEveryScreenSwitchWheneverItArrives) {
    for (const int fade : {1, 0}) {
        // With fades on, a switch takes 120 ticks; 150 covers every stage of two of them.
        for (int closeAt = 0; closeAt < 150; ++closeAt) {
            SCOPED_TRACE("fades " + std::to_string(fade) + ", close before frame " + std::to_string(closeAt));
            Restless run(fade);
            for (int i = 0; i < closeAt; ++i) ASSERT_EQ(run.fixture.Frame(), 1);
            run.fixture.Push(EventType::CloseRequest);
            const int starts = run.Starts();
            const int frames = FramesUntilQuit(run.fixture, 200);
            ASSERT_NE(frames, -1) << "the close request was lost";
            EXPECT_LE(frames, 62) << "one exit fade of 300 ms at most";
            EXPECT_EQ(run.fixture.game().CurrentTScreen, run.fixture.game().ExitScreen.get());
            EXPECT_EQ(run.Starts(), starts) << "no screen started after the request";
        }
    }
}

TEST(CloseRequest, DuringTheSplashItSkipsTheSplashAndEndsOnceTheLoopRuns) {
    Restless run(1, false);
    const std::string picture = run.fixture.Folder() + "/splash.png";
    std::string error;
    ASSERT_TRUE(platform::SavePng(picture, platform::PixelMap(64, 32, {255, 255, 255, 255}), 9, true, error))
        << error;
    TSplashScreen splash;
    splash.Init(picture, "", 0, 0, 750, 750, 750);
    // The splash's own loop polls the platform: the clock stands still here, so only the request ends it.
    run.fixture.Push(EventType::CloseRequest);
    EXPECT_EQ(splash.DoSplash(), -1);
    EXPECT_EQ(SystemInputMode, 0);
    run.a.PreStart();
    const int starts = run.Starts();
    EXPECT_NE(FramesUntilQuit(run.fixture, 200), -1) << "the request was kept for the main loop";
    EXPECT_EQ(run.Starts(), starts);
}

TEST(CloseRequest, EndsAtOnceWhenTheFadeCannotRun) {
    struct Stop {
        const char* name;
        void (*apply)(murkwell::test::GameFixture&);
    };
    const Stop stops[] = {
        {"paused", [](murkwell::test::GameFixture& f) { f.game().TogglePause(); }},
        {"suspended",
         [](murkwell::test::GameFixture& f) {
             f.platform().TestGraphics().SetFocused(false);
             f.Push(EventType::FocusLost);
             f.Frame();
         }},
        {"already leaving",
         [](murkwell::test::GameFixture& f) {
             f.Push(EventType::CloseRequest);
             f.Frame();
         }},
    };
    for (const Stop& stop : stops) {
        SCOPED_TRACE(stop.name);
        Restless run(1);
        run.fixture.Frame();
        stop.apply(run.fixture);
        run.fixture.Push(EventType::CloseRequest);
        EXPECT_EQ(run.fixture.Frame(), -1);
    }
}

TEST(CloseRequest, AHookThatCancelsItLeavesTheScreensAlone) {
    Restless run(1);
    run.fixture.game().TerminatedUserFunction = [] { return 1; };
    run.fixture.Push(EventType::CloseRequest);
    EXPECT_EQ(FramesUntilQuit(run.fixture, 300), -1);
    EXPECT_EQ(run.fixture.game().ExitRequested, 0);
    EXPECT_GT(run.Starts(), 2) << "the screens went on switching";
}

}  // namespace
