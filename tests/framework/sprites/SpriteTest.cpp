// Sprites: frame animation, movement, scaling, rotation, glow, bounds and hit tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "SpriteTestSupport.h"
#include "framework/sprites/Box.h"
#include "framework/sprites/Sprite.h"

namespace {

using murkwell::test::Calls;
using murkwell::test::Record;
using murkwell::test::SpriteFixture;

class SpriteTest : public ::testing::Test {
protected:
    SpriteFixture fixture;
};

TEST_F(SpriteTest, ACountingUpAnimationShowsEachFrameForItsShareAndWraps) {
    TSprite sprite;
    sprite.SetupAnim(4, 400, 1, 0, 0, 0, 1);  // 80 ticks
    sprite.name = "WHEEL";
    sprite.AnimStoppedFunction = [](TSprite& s) { Record(s.name); };
    std::vector<int> frames;
    for (int t = 0; t < 160; ++t) {
        frames.push_back(sprite.frame);
        sprite.ManageAnim();
    }
    EXPECT_EQ(frames[0], 0);
    EXPECT_EQ(frames[19], 0);
    EXPECT_EQ(frames[20], 1);
    EXPECT_EQ(frames[59], 2);
    EXPECT_EQ(frames[60], 3);
    EXPECT_EQ(frames[79], 3);
    EXPECT_EQ(frames[80], 0) << "wrapped";
    EXPECT_EQ(frames[100], 1);
    EXPECT_EQ(Calls("WHEEL"), 2);
}

TEST_F(SpriteTest, ACountingDownAnimationAlsoAdvancesItsFrames) {
    TSprite sprite;
    sprite.SetupAnim(4, 400, 0, 0, 0, 0, 1);
    EXPECT_EQ(sprite.AnimCounter, 80);
    for (int t = 0; t < 20; ++t) sprite.ManageAnim();
    EXPECT_EQ(sprite.frame, 1);
    for (int t = 0; t < 40; ++t) sprite.ManageAnim();
    EXPECT_EQ(sprite.frame, 3);
}

TEST_F(SpriteTest, ACountedLoopWrapsThenStopsAtTheEndWithoutCallingAndIsHeldThere) {
    TSprite sprite;
    sprite.SetupAnim(4, 100, 1, 0, 0, 0, 1);  // 20 ticks
    sprite.LoopCount = 2;
    std::vector<int> ends;
    sprite.AnimStoppedFunction = [](TSprite&) { Record("stopped"); };
    for (int t = 0; t < 40; ++t) ends.push_back(sprite.ManageAnim());
    EXPECT_EQ(Calls("stopped"), 1) << "the wrap; the stop on the second arrival calls nothing";
    EXPECT_EQ(ends[19], 1);
    EXPECT_EQ(ends[39], 1);
    EXPECT_EQ(std::count(ends.begin(), ends.end(), 1), 2);
    EXPECT_EQ(sprite.Loop, 0);
    EXPECT_EQ(sprite.AnimCounter, 20);
    EXPECT_EQ(sprite.frame, 3);
    // Held at its end, each further tick runs into the end again as a pass that does not loop.
    for (int t = 0; t < 3; ++t) EXPECT_EQ(sprite.ManageAnim(), 1);
    EXPECT_EQ(Calls("stopped"), 4);
    EXPECT_EQ(sprite.AnimCounter, 20);
}

TEST_F(SpriteTest, AnAnimationPlayedOnceStopsAtItsEndAndReportsItOnEveryTickAfter) {
    struct Case {
        int counterDir, reverse;
        double rest;
    };
    // Counting down it rests just above 0, so the last frame is what is drawn.
    for (const Case& c : {Case{0, 0, 0.01}, Case{1, 0, 20}, Case{0, 1, 20}, Case{1, 1, 0.01}}) {
        TSprite sprite;
        sprite.SetupAnim(4, 100, c.counterDir, c.reverse, 0, 0, 0);  // 20 ticks
        sprite.AnimStoppedFunction = [](TSprite&) { Record("stopped"); };
        std::vector<int> ends;
        for (int t = 0; t < 30; ++t) ends.push_back(sprite.ManageAnim());
        const auto first = std::find(ends.begin(), ends.end(), 1) - ends.begin();
        EXPECT_EQ(first, 19) << c.counterDir << c.reverse;
        EXPECT_EQ(std::count(ends.begin(), ends.end(), 1), 11) << "every tick from the end on";
        EXPECT_EQ(Calls("stopped"), 11);
        EXPECT_DOUBLE_EQ(sprite.AnimCounter, c.rest);
        murkwell::test::hookCalls.clear();
    }
}

TEST_F(SpriteTest, APingPongAnimationTurnsAtEachEndWithoutCallingTheFunction) {
    struct Seen {
        int tick, frame, reverse;
        double counter;
    };
    struct Case {
        int counterDir;
        std::vector<Seen> seen;
    };
    // 4 frames over 20 ticks, 5 a frame. Counting down through a pass (the counter from 20), AnimReverse
    // is 1 from the bottom and 0 from the top. Counting up, the way back is again the one against the
    // pass: 1 from the top, 0 from the bottom, so the frames run back and forth instead of sticking at
    // an end. Each turn puts the counter a frame's length back from the end.
    const Case cases[] = {
        {0, {{18, 3, 0, 1}, {19, 3, 1, 5}, {33, 0, 1, 19}, {34, 1, 0, 15}, {49, 3, 1, 5}}},
        {1, {{14, 3, 0, 15}, {19, 3, 1, 15}, {20, 2, 1, 14}, {30, 0, 1, 4}, {34, 1, 0, 5}, {40, 2, 0, 11}}},
    };
    for (const Case& c : cases) {
        TSprite sprite;
        sprite.SetupAnim(4, 100, c.counterDir, 0, 0, 1, 1);
        sprite.AnimStoppedFunction = [](TSprite&) { Record("stopped"); };
        std::vector<Seen> run;
        for (int t = 0; t < 60; ++t) {
            sprite.ManageAnim();
            run.push_back({t, sprite.frame, sprite.AnimReverse, sprite.AnimCounter});
        }
        for (const Seen& want : c.seen) {
            const Seen& got = run[want.tick];
            EXPECT_EQ(got.frame, want.frame) << c.counterDir << " at " << want.tick;
            EXPECT_EQ(got.reverse, want.reverse) << c.counterDir << " at " << want.tick;
            EXPECT_DOUBLE_EQ(got.counter, want.counter) << c.counterDir << " at " << want.tick;
        }
        const auto [least, most] = std::minmax_element(
            run.begin(), run.end(), [](const Seen& a, const Seen& b) { return a.frame < b.frame; });
        EXPECT_EQ(least->frame, 0);
        EXPECT_EQ(most->frame, 3);
    }
    EXPECT_EQ(Calls("stopped"), 0);
}

TEST_F(SpriteTest, ARandomStartLiesWithinThePass) {
    TSprite sprite;
    sprite.SetupAnim(4, 400, 1, 0, 1, 0, 1);
    EXPECT_GE(sprite.AnimCounter, 0.01);
    EXPECT_LE(sprite.AnimCounter, 80);
}

TEST_F(SpriteTest, StopAnimLeavesTheStillFrame) {
    TSprite sprite;
    sprite.SetupAnim(4, 400, 1, 0, 0, 0, 1);
    sprite.ManageAnim();
    sprite.StopAnim();
    EXPECT_EQ(sprite.ManageAnim(), 0);
    EXPECT_EQ(sprite.AnimCounter, 0);
}

TEST_F(SpriteTest, MoveStepsThePositionBeforeTheVelocity) {
    TSprite sprite;
    sprite.dx = 2;
    sprite.ygravity = 0.5f;
    sprite.Move();
    EXPECT_EQ(sprite.x, 2);
    EXPECT_EQ(sprite.y, 0);
    EXPECT_EQ(sprite.dy, 0.5f);
    sprite.Move();
    EXPECT_EQ(sprite.y, 0.5f);
    Delta = 0.5f;
    sprite.Move();
    EXPECT_EQ(sprite.x, 5);
    EXPECT_EQ(sprite.y, 1.0f);
    EXPECT_EQ(sprite.dy, 1.25f);
}

TEST_F(SpriteTest, MoveForwardHeadsAlongTheRotation) {
    TSprite sprite;
    sprite.SetPosition(100, 100);
    sprite.speed = 2;
    sprite.Rotation = 90;
    Delta = 0.5f;
    sprite.MoveForward();
    EXPECT_NEAR(sprite.x, 101, 1e-5);
    EXPECT_NEAR(sprite.y, 100, 1e-5);
    sprite.Rotation = 0;
    sprite.MoveForward();
    EXPECT_NEAR(sprite.y, 99, 1e-5) << "rotation 0 goes up the screen";
}

TEST_F(SpriteTest, StepMovesStayOnTheScreen) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(40, 20));
    sprite.SetPosition(30, 15);
    sprite.xspeed = sprite.yspeed = 50;
    sprite.MoveLeft();
    sprite.MoveUp();
    EXPECT_EQ(sprite.x, 20);
    EXPECT_EQ(sprite.y, 10);
    sprite.SetPosition(1000, 760);
    sprite.MoveRight();
    sprite.MoveDown();
    EXPECT_EQ(sprite.x, 1004);
    EXPECT_EQ(sprite.y, 758);
}

TEST_F(SpriteTest, AttachedAndOriginalCoordinatesMoveToo) {
    TSprite sprite;
    sprite.dx = 3;
    sprite.dy = -1;
    sprite.AttachedSprite = std::make_shared<TSprite>();
    sprite.MoveAttachedSprite();
    EXPECT_EQ(sprite.AttachedSprite->x, 3);
    EXPECT_EQ(sprite.AttachedSprite->y, -1);
    sprite.MoveOriginalCoords();
    EXPECT_EQ(sprite.ox, 3);
    EXPECT_EQ(sprite.x, 0);
    sprite.BaseScaleX = 2;
    sprite.ScaleOriginalCoords();
    EXPECT_EQ(sprite.x, 6);
}

TEST_F(SpriteTest, ScalingRunsForItsTime) {
    TSprite sprite;
    sprite.SetupScale(0.1f, -0.05f, 50);
    for (int t = 0; t < 20; ++t) sprite.ManageScale();
    EXPECT_NEAR(sprite.ScaleX, 2.0f, 1e-5);
    EXPECT_NEAR(sprite.ScaleY, 0.5f, 1e-5);
    EXPECT_NEAR(sprite.Width(), 0, 1e-6);
    sprite.SetScaleXY(3, 0);
    EXPECT_EQ(sprite.ScaleY, 3);
    sprite.Rotation = 5;
    sprite.ClearTransformations();
    EXPECT_EQ(sprite.ScaleX, 1);
    EXPECT_EQ(sprite.Rotation, 0);
}

TEST_F(SpriteTest, ARotationRunsForItsTimeOrLoopsWithinATurn) {
    TSprite sprite;
    sprite.SetupRotation(3, 50, 0, 0);
    for (int t = 0; t < 20; ++t) sprite.ManageRotation();
    EXPECT_EQ(sprite.Rotation, 30);

    TSprite spinner;
    spinner.SetupRotation(400, 0, 1, 0);
    for (int t = 0; t < 10; ++t) {
        spinner.ManageRotation();
        EXPECT_GE(spinner.Rotation, 0);
        EXPECT_LT(spinner.Rotation, 360);
    }
    EXPECT_NEAR(spinner.Rotation, 4000 % 360, 1e-3);
    spinner.RotationSpeed = -50;
    spinner.ManageRotation();
    EXPECT_NEAR(spinner.Rotation, 350, 1e-3);
}

TEST_F(SpriteTest, AFadingGlowStopsAtNothingAndAPulsingGlowStaysInItsRange) {
    TSprite sprite;
    sprite.SetGlow(2, 1.0f, 0.3f, 0, 1);
    for (int t = 0; t < 5; ++t) sprite.ManageGlow();
    EXPECT_EQ(sprite.Glow, 0);

    sprite.SetGlow(3, 0, 45, 0.2f, 0.6f);
    EXPECT_FLOAT_EQ(sprite.GlowRange, 0.4f);
    float low = 1, high = 0;
    for (int t = 0; t < 8; ++t) {
        sprite.ManageGlow();
        low = std::min(low, sprite.Glow);
        high = std::max(high, sprite.Glow);
    }
    EXPECT_NEAR(low, 0.2f, 1e-5);
    EXPECT_NEAR(high, 0.6f, 1e-5);
}

TEST_F(SpriteTest, OffTheScreenMeansWhollyOffIt) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(40, 20));
    sprite.SetPosition(-19, 100);
    EXPECT_EQ(sprite.OutOfBounds(), 0);
    sprite.x = -21;
    EXPECT_EQ(sprite.OutOfBounds(), 1);
    sprite.SetPosition(500, 768 + 11);
    EXPECT_EQ(sprite.OutOfBounds(), 1);

    TSprite corner;
    corner.SetImage(fixture.Image(40, 20));
    corner.image->MidHandle(0);
    corner.SetPosition(-39, 0);
    EXPECT_EQ(corner.OutOfBounds(), 0);
    corner.x = 1025;
    EXPECT_EQ(corner.OutOfBounds(), 1);
}

TEST_F(SpriteTest, APointHitsTheBoxOrTheFrame) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(40, 20));
    sprite.SetPosition(100, 100);
    EXPECT_EQ(sprite.CollideWithPixel(80, 90), 1);
    EXPECT_EQ(sprite.CollideWithPixel(120, 100), 0) << "right edge out";
    sprite.CalcBoundingBox();
    ASSERT_TRUE(sprite.BoundingBox);
    EXPECT_EQ(sprite.BoundingBox->X, 80);
    EXPECT_EQ(sprite.BoundingBox->W, 40);
    sprite.BoundingBox->W = 10;
    EXPECT_EQ(sprite.CollideWithPixel(95, 100), 0) << "the box replaces the frame";
}

TEST_F(SpriteTest, CentringMidHandlesThePicture) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(40, 20));
    sprite.image->MidHandle(0);
    sprite.Centre();
    EXPECT_EQ(sprite.image->midhandled, 1);
    EXPECT_EQ(sprite.x, 512);
    EXPECT_EQ(sprite.y, 384);
    sprite.CentreX(50);
    EXPECT_EQ(sprite.y, 50);
}

TEST_F(SpriteTest, SizesComeFromThePicture) {
    auto sprite = TSprite::Create(fixture.Image(41, 20), 5, 6);
    EXPECT_EQ(sprite->w, 41);
    EXPECT_EQ(sprite->w2, 20);
    EXPECT_EQ(sprite->h2, 10);
    EXPECT_EQ(sprite->x, 5);
    sprite->SetName("Gem");
    EXPECT_EQ(sprite->name, "GEM");
}

TEST_F(SpriteTest, KillTakesTheAttachedSpriteAlong) {
    TSprite sprite;
    auto rider = std::make_shared<TSprite>();
    auto riderOfRider = std::make_shared<TSprite>();
    rider->AttachedSprite = riderOfRider;
    sprite.AttachedSprite = rider;
    sprite.CalcBoundingBox();
    sprite.Kill();
    EXPECT_FALSE(sprite.AttachedSprite);
    EXPECT_FALSE(sprite.BoundingBox);
    EXPECT_FALSE(rider->AttachedSprite);

    TSprite keeper;
    keeper.KillAttachedSprite = 0;
    auto kept = std::make_shared<TSprite>();
    kept->AttachedSprite = std::make_shared<TSprite>();
    keeper.AttachedSprite = kept;
    keeper.Kill();
    EXPECT_TRUE(kept->AttachedSprite);
}

}  // namespace
