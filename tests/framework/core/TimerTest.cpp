// The fixed-rate timer and the main loop's ticks.
#include <gtest/gtest.h>

#include <vector>

#include "GameTestSupport.h"
#include "framework/screens/Screen.h"

namespace {

using murkwell::test::GameFixture;

// Records the Delta of every logic tick it sees.
class CountingScreen : public TScreen {
public:
    std::vector<float> deltas;
    int Logic() override {
        deltas.push_back(Delta);
        return 1;
    }
};

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.platform().TestClock().Set(5000);
        game().FixedRateLogic.Create();
        game().FixedRateLogic.JitterCorrection = 0;
        game().FixedRateLogic.Init();
        game().CurrentTScreen = &screen;
    }
    TGame& game() { return fixture.game(); }
    // Runs one frame that took ms on the clock; returns the deltas of its ticks.
    std::vector<float> Frame(double ms) {
        screen.deltas.clear();
        fixture.platform().TestClock().Advance(ms);
        EXPECT_EQ(game().MainLogicLoop(), 1);
        return screen.deltas;
    }

    GameFixture fixture;
    CountingScreen screen;
};

TEST_F(TimerTest, AFiveMillisecondFrameIsOneWholeTick) {
    EXPECT_EQ(Frame(5), std::vector<float>{1.0f});
}

TEST_F(TimerTest, SevenAndAHalfMillisecondsIsOneTickAndAHalf) {
    // The clock counts whole milliseconds: 7 then 8 make two frames of 1.4 and 1.6 ticks.
    auto deltas = Frame(7.5);
    ASSERT_EQ(deltas.size(), 2u);
    EXPECT_FLOAT_EQ(deltas[0], 1.0f);
    EXPECT_NEAR(deltas[1], 0.4f, 1e-5);
    deltas = Frame(7.5);
    ASSERT_EQ(deltas.size(), 2u);
    EXPECT_NEAR(deltas[1], 0.6f, 1e-5);
}

TEST_F(TimerTest, TwelveMillisecondsIsTwoTicksAndAFifth) {
    const auto deltas = Frame(12);
    ASSERT_EQ(deltas.size(), 3u);
    EXPECT_NEAR(deltas[2], 0.4f, 1e-5);
}

TEST_F(TimerTest, AZeroLengthFrameRunsNoTick) {
    EXPECT_TRUE(Frame(0).empty());
}

TEST_F(TimerTest, ATwoSecondStallRunsTenTicksNotFourHundred) {
    const auto deltas = Frame(2000);
    EXPECT_EQ(deltas.size(), 10u);
    EXPECT_EQ(game().FixedRateLogic.TmpMS, 50);
}

TEST_F(TimerTest, AClockThatRunsBackwardsRepeatsTheLastCount) {
    Frame(10);  // two ticks
    fixture.platform().TestClock().Set(static_cast<uint32_t>(game().FixedRateLogic.LastTime) - 100);
    screen.deltas.clear();
    game().MainLogicLoop();
    EXPECT_EQ(screen.deltas.size(), 2u);
}

TEST_F(TimerTest, FastModeRunsExactlyOneTickWhateverTheTime) {
    game().FastOn();
    EXPECT_EQ(FlipSync, 0) << "no vertical sync in fast mode";
    EXPECT_EQ(Frame(40).size(), 1u);
    EXPECT_EQ(Frame(0).size(), 1u);
    game().FastOff();
    EXPECT_EQ(FlipSync, 1);
}

TEST_F(TimerTest, NoTimingRunsItsTickCountEveryFrame) {
    game().NoTiming = 1;
    game().NoTimingTicks = 3;
    EXPECT_EQ(Frame(40).size(), 3u);
    EXPECT_EQ(Frame(0).size(), 3u);
}

TEST_F(TimerTest, SlowMotionKeepsTickCountsButSlowsTheTicks) {
    EXPECT_FLOAT_EQ(game().CalcAnimLength(300), 60.0f);
    game().SlowMotionSpeed = 0.2f;
    game().SlowMotionOn();
    // 40 ticks a second: a tick takes 25 ms, and a 300 ms animation still takes 60 of them, five times as
    // long in real time.
    EXPECT_FLOAT_EQ(game().CalcAnimLength(300), 60.0f);
    EXPECT_EQ(Frame(25), std::vector<float>{1.0f});
    const auto fifth = Frame(5);
    ASSERT_EQ(fifth.size(), 1u);
    EXPECT_NEAR(fifth[0], 0.2f, 1e-5);
    game().SlowMotionOff();
    EXPECT_FLOAT_EQ(game().CalcAnimLength(300), 60.0f);
    EXPECT_EQ(game().CalcMilliSecsFromFrames(60, 1), 300);
}

TEST_F(TimerTest, JitterCorrectionAveragesFrameTimes) {
    game().FixedRateLogic.JitterCorrection = 1;
    game().VSync = 0;
    game().FixedRateLogic.Init();
    for (int i = 0; i < game().FixedRateLogic.FirstMax; ++i) Frame(10);  // the first frames skip the history
    Frame(10);
    Frame(20);
    // The mean of 10 and 20 ms is 15 ms: three ticks.
    EXPECT_DOUBLE_EQ(game().FixedRateLogic.NumTicks, 3.0);
    game().FixedRateLogic.HistoryClear();
    EXPECT_EQ(game().FixedRateLogic.HistorySize, 1);
}

TEST_F(TimerTest, AQuitFromATickStopsTheFrame) {
    game().InstantExit = 1;
    fixture.platform().TestClock().Advance(20);
    EXPECT_EQ(game().MainLogicLoop(), -1);
}

TEST(TrackingVars, DisplayPadsToTheLimitsDigits) {
    TTrackingVar v;
    v.Init();
    v.Label = "Ticks   ";
    v.Current = 2;
    v.maximum = 10;
    EXPECT_EQ(v.GetDisplay(), "Ticks     2  10");
}

TEST(TrackingVars, DebugVarMeasuresAndCapsItsMaximum) {
    platform::ManualClock clock(1000);
    TDebugVar v(clock);
    v.Init();
    v.Start();
    clock.Advance(12);
    v.Calc();
    EXPECT_EQ(v.Current, 12);
    EXPECT_EQ(v.maximum, 12);
    v.Start();
    clock.Advance(5000);
    v.Calc();
    EXPECT_EQ(v.maximum, 999);
}

TEST(TrackingVars, FrameCounterUpdatesOncePerSecond) {
    platform::ManualClock clock(0);
    TFPSCounter fps(clock);
    fps.Init();
    for (int i = 0; i < 60; ++i) {
        clock.Advance(1000.0 / 59);
        fps.Calc();
    }
    EXPECT_EQ(fps.Current, 60);
    EXPECT_EQ(fps.minimum, 60);
    EXPECT_EQ(fps.maximum, 60);
}

}  // namespace
