// Count-downs, lists of them, and sine counters.
#include <gtest/gtest.h>

#include <cmath>

#include "SpriteTestSupport.h"
#include "framework/sprites/Counter.h"
#include "framework/sprites/CounterList.h"
#include "framework/sprites/CounterWithValue.h"
#include "framework/sprites/SineCounter.h"

namespace {

using murkwell::test::SpriteFixture;

class CounterTest : public ::testing::Test {
protected:
    SpriteFixture fixture;
};

TEST_F(CounterTest, ASecondRunsOutOnItsTwoHundredthTick) {
    auto counter = TCounter::Create(1000, 1);
    EXPECT_EQ(counter->Active, 1);
    EXPECT_FLOAT_EQ(counter->GetRatio(), 1.0f);
    for (int t = 1; t < 200; ++t) ASSERT_EQ(counter->Manage(), 0) << t;
    EXPECT_FLOAT_EQ(counter->GetRatio(), 1.0f / 200);
    EXPECT_EQ(counter->Manage(), 1);
    EXPECT_EQ(counter->Active, 0);
    EXPECT_EQ(counter->Counter, 0);
    EXPECT_EQ(counter->Manage(), 0) << "once";
}

TEST_F(CounterTest, AnInactiveCounterWaitsForActivate) {
    auto counter = TCounter::Create(50, 0);
    EXPECT_EQ(counter->CounterLength, 10);
    EXPECT_EQ(counter->Manage(), 0);
    counter->Activate();
    for (int t = 1; t < 10; ++t) counter->Manage();
    EXPECT_EQ(counter->Manage(), 1);
}

TEST_F(CounterTest, StopWithoutResetKeepsTheCount) {
    auto counter = TCounter::Create(50, 1);
    counter->Manage();
    counter->Stop(0);
    EXPECT_EQ(counter->Active, 0);
    EXPECT_EQ(counter->Counter, 9);
}

TEST_F(CounterTest, AListReportsAndDropsTheCountersThatRanOut) {
    TCounterList list;
    list.AddNew(25);
    list.AddNewWithValue(50, 7);
    list.AddNew(25);
    for (int t = 1; t < 5; ++t) EXPECT_EQ(list.Manage(1), 0);
    EXPECT_EQ(list.Manage(1), 2);
    ASSERT_EQ(list.Counters.size(), 1u);
    auto withValue = std::dynamic_pointer_cast<TCounterWithValue>(list.Counters[0]);
    ASSERT_TRUE(withValue);
    EXPECT_EQ(withValue->Value, 7);
    for (int t = 1; t < 5; ++t) list.Manage(1);
    EXPECT_EQ(list.Manage(1), 1);
    EXPECT_TRUE(list.Counters.empty());
}

TEST_F(CounterTest, WithoutRemoveFinishedCountersStay) {
    TCounterList list;
    list.AddNew(5);
    EXPECT_EQ(list.Manage(0), 1);
    ASSERT_EQ(list.Counters.size(), 1u);
    EXPECT_EQ(list.Counters[0]->Active, 0);
}

TEST_F(CounterTest, ASineCounterWrapsAndRepeats) {
    TSineCounter sine;
    sine.Init(0, 360, 30, 0);
    std::vector<float> ratios;
    for (int t = 0; t < 24; ++t) {
        sine.Manage();
        ratios.push_back(sine.ratio);
    }
    EXPECT_EQ(sine.Counter, 0) << "twelve steps of 30 make a whole turn";
    EXPECT_NEAR(ratios[0], 0.5f, 1e-6);
    EXPECT_NEAR(ratios[2], 1.0f, 1e-6);
    EXPECT_NEAR(ratios[8], -1.0f, 1e-6);
    for (int t = 0; t < 12; ++t) EXPECT_EQ(ratios[t], ratios[t + 12]) << t;
    EXPECT_EQ(sine.Active, 1);
}

TEST_F(CounterTest, ASineCounterRunningBackwardsWrapsBelowItsStart) {
    TSineCounter sine;
    sine.Init(90, 180, -40, 0);
    sine.Manage();
    EXPECT_EQ(sine.Counter, 140) << "50 is 40 below the start: 40 below the end";
    sine.Manage();
    EXPECT_EQ(sine.Counter, 100);
    sine.Manage();
    EXPECT_EQ(sine.Counter, 150);
}

TEST_F(CounterTest, AFastSineCounterStaysInItsRange) {
    TSineCounter sine;
    sine.Init(0, 360, 1000, 0);
    for (int t = 0; t < 20; ++t) {
        sine.Manage();
        EXPECT_GE(sine.Counter, 0);
        EXPECT_LT(sine.Counter, 360);
    }
}

TEST_F(CounterTest, ARunOnceSineCounterStopsAtItsEnd) {
    TSineCounter sine;
    sine.Init(0, 90, 30, 1);
    sine.Manage();
    sine.Manage();
    EXPECT_EQ(sine.Active, 1);
    sine.Manage();
    EXPECT_EQ(sine.Counter, 90);
    EXPECT_EQ(sine.ratio, 1.0f);
    EXPECT_EQ(sine.Active, 0);
    EXPECT_EQ(sine.Manage(), 0);
    EXPECT_EQ(sine.Counter, 90);
}

TEST_F(CounterTest, ARunOnceSineCounterStopsOnTimeWithPartTicks) {
    TSineCounter sine;
    sine.Init(0, 90, 30, 1);
    int ticks = 0;
    // Frames of 6 ms run ticks of 1 and 0.2: 30, 36, 66, 72 degrees, then 102 is past the end.
    fixture.RunFrames(
        6, 60, [&] { ticks += sine.Manage(); }, [&] { return !sine.Active; });
    EXPECT_EQ(sine.Counter, 90);
    EXPECT_EQ(ticks, 5);
}

TEST_F(CounterTest, SetCounterAndReset) {
    TSineCounter sine;
    sine.SetCounter(270);
    EXPECT_FLOAT_EQ(sine.ratio, -1.0f);
    sine.Reset();
    EXPECT_EQ(sine.Counter, 0);
    EXPECT_EQ(sine.ratio, 0);
}

}  // namespace
