#include <gtest/gtest.h>

#include <ctime>

#include "platform/os/SystemClock.h"

using platform::DateTime;
using platform::ManualClock;

namespace {

void ExpectDate(const DateTime& d, int year, int month, int day, int hour, int minute, int second) {
    EXPECT_EQ(d.year, year);
    EXPECT_EQ(d.month, month);
    EXPECT_EQ(d.day, day);
    EXPECT_EQ(d.hour, hour);
    EXPECT_EQ(d.minute, minute);
    EXPECT_EQ(d.second, second);
}

TEST(ManualClock, MovesOnlyWhenAdvancedOrSleeping) {
    ManualClock clock(1000);
    EXPECT_EQ(clock.Millisecs(), 1000u);
    EXPECT_EQ(clock.Millisecs(), 1000u);
    clock.Advance(16.5);
    clock.Advance(16.5);
    EXPECT_EQ(clock.Millisecs(), 1033u);
    clock.Sleep(100);
    EXPECT_EQ(clock.Millisecs(), 1133u);
}

TEST(ManualClock, LandsOnEverySecondAtSixtyFramesASecond) {
    ManualClock clock(0xFFFF0000u);
    for (uint32_t second = 1; second <= 3600; ++second) {
        for (int frame = 0; frame < 60; ++frame) clock.Advance(1000.0 / 60.0);
        ASSERT_EQ(clock.Millisecs() - 0xFFFF0000u, second * 1000) << "after " << second << " s";
    }
}

TEST(ManualClock, NeverRunsBackwards) {
    ManualClock clock(500);
    clock.Advance(-100);
    clock.Sleep(-100);
    clock.Sleep(0);
    EXPECT_EQ(clock.Millisecs(), 500u);
}

TEST(ManualClock, WrapsAt32Bits) {
    ManualClock clock(0xFFFFFFF0u);
    const uint32_t before = clock.Millisecs();
    clock.Advance(32);
    EXPECT_EQ(clock.Millisecs(), 16u);
    EXPECT_EQ(clock.Millisecs() - before, 32u) << "differences across the wrap stay right";
    clock.Advance(4294967296.0 * 3);
    EXPECT_EQ(clock.Millisecs(), 16u);
}

TEST(ManualClock, SetMovesTheCountButNotTheDate) {
    ManualClock clock(0, {2024, 3, 10, 12, 0, 0});
    clock.Set(0xFFFFFF00u);
    EXPECT_EQ(clock.Millisecs(), 0xFFFFFF00u);
    ExpectDate(clock.Now(), 2024, 3, 10, 12, 0, 0);
}

TEST(ManualClock, NowIsTheStartDatePlusWholeSecondsElapsed) {
    ManualClock clock(0xFFFFFFF0u, {2024, 5, 6, 21, 59, 50});
    ExpectDate(clock.Now(), 2024, 5, 6, 21, 59, 50);
    clock.Advance(5000);
    ExpectDate(clock.Now(), 2024, 5, 6, 21, 59, 55);
    clock.Advance(1500);
    ExpectDate(clock.Now(), 2024, 5, 6, 21, 59, 56);
    clock.Sleep(4 * 3600 * 1000);
    ExpectDate(clock.Now(), 2024, 5, 7, 1, 59, 56);
}

TEST(ManualClock, NowCarriesIntoTheNextMonthAndYear) {
    ManualClock clock(0, {2023, 12, 31, 23, 59, 59});
    clock.Advance(1000);
    ExpectDate(clock.Now(), 2024, 1, 1, 0, 0, 0);
    ManualClock leap(0, {2024, 2, 28, 12, 0, 0});
    leap.Advance(24.0 * 3600 * 1000);
    ExpectDate(leap.Now(), 2024, 2, 29, 12, 0, 0);
}

TEST(SystemClock, SleepLetsAtLeastThatMuchTimePass) {
    platform::SystemClock clock;
    const uint32_t before = clock.Millisecs();
    clock.Sleep(20);
    EXPECT_GE(clock.Millisecs() - before, 20u);
}

TEST(SystemClock, NowIsTheLocalTime) {
    platform::SystemClock clock;
    const std::time_t before = std::time(nullptr);
    const DateTime now = clock.Now();
    const std::time_t after = std::time(nullptr);
    std::tm t{};
    t.tm_year = now.year - 1900;
    t.tm_mon = now.month - 1;
    t.tm_mday = now.day;
    t.tm_hour = now.hour;
    t.tm_min = now.minute;
    t.tm_sec = now.second;
    t.tm_isdst = -1;
    const std::time_t when = std::mktime(&t);
    EXPECT_GE(when, before);
    EXPECT_LE(when, after);
}

}  // namespace
