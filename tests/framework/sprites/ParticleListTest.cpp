// Particle lists, generators and explosions: order, removal while running, animation ends, drawing in
// bulk.
#include <gtest/gtest.h>

#include <initializer_list>

#include "SpriteTestSupport.h"
#include "framework/sprites/ExplosionList.h"
#include "framework/sprites/ParticleGeneratorList.h"
#include "framework/sprites/ParticleList.h"

namespace {

using murkwell::test::Calls;
using murkwell::test::Record;
using murkwell::test::SpriteFixture;

class ParticleListTest : public ::testing::Test {
protected:
    std::shared_ptr<TParticle> Add(float x, int addFirst = 0) {
        return list.AddNew(x, 400, image, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, addFirst);
    }
    // The x of every picture drawn by one Draw.
    std::vector<float> DrawnXs() {
        fixture.graphics().ClearLog();
        list.Draw();
        std::vector<float> xs;
        for (const auto& d : fixture.graphics().Log()) xs.push_back(d.x);
        return xs;
    }

    SpriteFixture fixture;
    std::shared_ptr<TGameImage> image = fixture.Image(8, 8);
    TParticleList list;
};

TEST_F(ParticleListTest, ParticlesDrawInListOrderWithTheFrontOnesFirst) {
    Add(1);
    Add(2);
    Add(3, 1);
    EXPECT_EQ(DrawnXs(), (std::vector<float>{3, 1, 2}));
    EXPECT_EQ(list.Count(), 3);
}

TEST_F(ParticleListTest, AParticleCanKillAnotherWhileTheListRuns) {
    auto a = Add(1);
    auto b = Add(2);
    Add(3);
    // a knows its victim through its data object.
    a->DataObject = b;
    a->UserMove = [](TParticle& p) { std::static_pointer_cast<TParticle>(p.DataObject)->Kill(); };
    b->UserMove = [](TParticle&) { Record("b moved"); };
    list.Manage();
    EXPECT_EQ(Calls("b moved"), 0) << "killed before its turn";
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(DrawnXs(), (std::vector<float>{1, 3}));
}

TEST_F(ParticleListTest, ParticlesAddedWhileTheListRunsJoinAtTheirEnd) {
    auto a = Add(1);
    // On its first move, a adds one particle at the back of its own list and one at the front.
    a->UserMove = [](TParticle& p) {
        if (p.Data1++ > 0) return;
        auto& image = p.image;
        p.Particles->AddNew(10, 400, image, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0)->UserMove = [](TParticle& q) {
            q.y = 0;
        };
        p.Particles->AddNew(20, 400, image, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1);
    };
    list.Manage();
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(DrawnXs(), (std::vector<float>{20, 1, 10}));
    float movedY = -1;
    list.ForEach([&](TParticle& p) {
        if (p.x == 10) movedY = p.y;
    });
    EXPECT_EQ(movedY, 0) << "one added at the back runs in the same pass";
}

TEST_F(ParticleListTest, AParticleEndsWithItsAnimationWhenAsked) {
    auto once = list.AddNew(500, 400, fixture.Image(8, 8, 4), 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    once->SetupAnim(4, 100, 1, 0, 0, 0, 0);
    once->KillAfterAnim = 1;
    auto looping = list.AddNew(500, 400, fixture.Image(8, 8, 4), 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    looping->SetupAnim(4, 100, 1, 0, 0, 0, 1);
    for (int t = 0; t < 19; ++t) list.Manage();
    EXPECT_EQ(list.Count(), 2);
    list.Manage();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(once->active, 0);
}

TEST_F(ParticleListTest, ADelayedParticleDoesNotAnimate) {
    auto p = list.AddNew(500, 400, fixture.Image(8, 8, 4), 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    p->SetupAnim(4, 100, 1, 0, 0, 0, 1);
    p->SetDelay(50);
    list.Animate();
    EXPECT_EQ(p->AnimCounter, 0);
    list.Manage();
    EXPECT_EQ(p->AnimCounter, 0);
}

TEST_F(ParticleListTest, ClearLetsEveryParticleGoWithoutKillingIt) {
    auto p = Add(1);
    p->UserKill = [](TParticle&) { Record("killed"); };
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(Calls("killed"), 0);
    EXPECT_EQ(p->Particles, nullptr);
    EXPECT_TRUE(DrawnXs().empty());
}

TEST_F(ParticleListTest, AParticleMovedToAnotherListLeavesTheFirst) {
    auto p = Add(1);
    TParticleList other;
    other.Add(p, false);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(other.Count(), 1);
    EXPECT_EQ(p->Particles, &other);
}

TEST_F(ParticleListTest, FadeAllStartsAFadeOutEverywhere) {
    Add(1);
    Add(2);
    list.FadeAll(50);
    for (int t = 0; t < 9; ++t) list.Manage();
    EXPECT_EQ(list.Count(), 2);
    list.Manage();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ParticleListTest, AZoomingScreenPlacesItsParticlesFromTheirStoredPositions) {
    auto p = Add(100);
    p->dx = 10;
    list.EnableUpdateOriginalCoords();
    list.Manage();
    EXPECT_EQ(p->x, 100) << "the stored position moves instead";
    EXPECT_EQ(p->ox, 110);
    list.ProcessScale(2, 0.5f, 5, 6);
    EXPECT_EQ(p->x, 225);
    EXPECT_EQ(p->y, 206);
    EXPECT_EQ(p->BaseScaleY, 0.5f);
    list.SetBaseScale(1, 1);
    list.ScaleCoords();
    EXPECT_EQ(p->x, 110);
    list.AddOffsets(-10, 1);
    EXPECT_EQ(p->x, 100);
    EXPECT_EQ(p->y, 401);
    list.SetUseAlpha(0);
    EXPECT_EQ(p->UseAlpha, 0);
}

TEST_F(ParticleListTest, ManyParticlesOfOnePictureShareTheirDrawingState) {
    // Pictures alternating between alpha and light blending.
    for (int i = 0; i < 100; ++i) {
        Add(static_cast<float>(i));
        list.AddNew(static_cast<float>(i), 300, image, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0);
    }
    fixture.graphics().ClearLog();
    list.Draw();
    const auto& changes = fixture.graphics().StateChanges();
    EXPECT_EQ(fixture.graphics().Log().size(), 200u);
    // Alternating blends need a change each picture; nothing else changes between pictures.
    EXPECT_LE(changes.blend, 201);
    EXPECT_GE(changes.blend, 199);
    EXPECT_LE(changes.scale + changes.rotation + changes.alpha + changes.colour, 8);

    TParticleList alike;
    for (int i = 0; i < 100; ++i)
        alike.AddNew(static_cast<float>(i), 300, image, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0);
    fixture.graphics().ClearLog();
    alike.Draw();
    EXPECT_LE(fixture.graphics().StateChanges().Total(), 10);
    EXPECT_EQ(fixture.graphics().Current().blend, platform::BlendMode::Alpha);
    EXPECT_EQ(fixture.graphics().Current().alpha, 1);
}

TEST_F(ParticleListTest, EachParticleStillGetsItsOwnState) {
    auto a = list.AddNew(1, 400, image, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0);
    auto b = list.AddNew(2, 400, image, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    a->Rotation = 30;
    a->Color = TColor::Create(1, 2, 3);
    b->Alpha = 0.5f;
    list.Draw();
    const auto& log = fixture.graphics().Log();
    ASSERT_EQ(log.size(), 2u);
    using State = murkwell::test::RecordingGraphics::State;
    EXPECT_EQ(log[0].state, (State{2, 2, 30, 1, 1, 2, 3, platform::BlendMode::Alpha}));
    EXPECT_EQ(log[1].state, (State{1, 1, 0, 0.5f, 255, 255, 255, platform::BlendMode::Alpha}));
}

// The tick a generator test is on, for its shots to note.
int tick = 0;

TEST_F(ParticleListTest, AGeneratorFiresAtOnceThenOnceAnInterval) {
    TParticleGeneratorList generators;
    tick = 0;
    auto g =
        generators.Add(0, 0, 3, 100, [](TParticleGenerator&) { Record("shot at " + std::to_string(tick)); });
    EXPECT_EQ(generators.Generators.size(), 1u);
    for (tick = 1; tick <= 60; ++tick) generators.Manage();
    EXPECT_EQ(murkwell::test::hookCalls, (std::vector<std::string>{"shot at 0", "shot at 20", "shot at 40"}));
    EXPECT_TRUE(generators.Generators.empty());
    EXPECT_EQ(g->Active, 0);
    EXPECT_EQ(g->Manage(), -1);
}

TEST_F(ParticleListTest, AGeneratorOfOneShotIsNotKept) {
    TParticleGeneratorList generators;
    generators.Add(0, 0, 1, 100, [](TParticleGenerator&) { Record("shot"); });
    EXPECT_EQ(Calls("shot"), 1);
    EXPECT_TRUE(generators.Generators.empty());
}

TEST_F(ParticleListTest, ALongFrameFiresEveryShotItCovers) {
    auto g = TParticleGenerator::Create(5, 5, 4, 10, nullptr, 0, 0, 0);
    g->MakeParticleFunction = [](TParticleGenerator& from) { from.Data1++; };
    g->dx = 1;
    Delta = 7;
    EXPECT_EQ(g->Manage(), 1);
    EXPECT_EQ(g->Data1, 3);
    EXPECT_EQ(g->x, 12) << "it drifts";
}

TEST_F(ParticleListTest, AnExplosionPlaysItsFramesOnceAndRemovesItself) {
    TExplosionList explosions;
    auto e = explosions.AddNew(100, 100, fixture.Image(8, 8, 5));
    e->StartAnim(100, 5);  // 20 ticks
    std::vector<int> frames;
    for (int t = 0; t < 25; ++t) {
        fixture.graphics().ClearLog();
        explosions.Draw();
        if (!fixture.graphics().Log().empty()) frames.push_back(fixture.graphics().Log()[0].frame);
        explosions.Manage();
    }
    ASSERT_EQ(frames.size(), 20u);
    EXPECT_EQ(frames.front(), 0);
    EXPECT_EQ(frames[4], 1);
    EXPECT_EQ(frames.back(), 4);
    EXPECT_TRUE(explosions.IsEmpty());
    EXPECT_EQ(e->Explosions, nullptr);
}

TEST_F(ParticleListTest, AnExplosionMovesScalesAndTurnsAsItPlays) {
    TExplosionList explosions;
    auto e = explosions.AddNew(100, 100, image);
    e->StartAnim(100, 1);
    e->dx = 2;
    e->SetupScale(0.1f, 0.1f, 50);
    e->SetupRotation(5, 50, 0, 0);
    for (int t = 0; t < 10; ++t) explosions.Manage();
    EXPECT_EQ(e->x, 120);
    EXPECT_NEAR(e->ScaleX, 2, 1e-5);
    EXPECT_EQ(e->Rotation, 50);
}

// The list asks for a particle's busy fields a few places ahead of running it; a field a tick reads that
// moved out of the runs of memory asked for, or runs grown past their steps, would leave the list
// waiting on memory again.
TEST(ParticleLayoutTest, WhatATickReadsLiesWithinTheMemoryAskedForAhead) {
    using Fields = std::initializer_list<const void*>;
    const TParticle p;
    const auto at = [](const void* field) { return static_cast<const char*>(field); };
    const auto within = [&](const void* field, const void* from, const void* to) {
        return at(from) <= at(field) && at(field) < at(to);
    };
    const auto fits = [&](const void* from, const void* to, std::size_t steps) {
        return at(from) < at(to) && at(to) - at(from) <= static_cast<std::ptrdiff_t>(steps) * kPrefetchStep;
    };
    const void* moveEnd = &p.FadeLength + 1;
    EXPECT_TRUE(fits(&p.x, moveEnd, TParticle::kMoveSteps));
    for (const void* field : Fields{&p.dx, &p.ygravity, &p.RotationSpeed, &p.FramesTotal, &p.DelayCounter,
                                    &p.PhaseList, &p.LifeCounter, &p.ParticleGenerator, &p.Particles}) {
        EXPECT_TRUE(within(field, &p.x, moveEnd));
    }
    const void* pictureEnd = &p.Label + 1;
    EXPECT_TRUE(fits(&p.active, pictureEnd, TParticle::kPictureSteps));
    for (const void* field :
         Fields{&p.visible, &p.Alpha, &p.AnimCounter, &p.AlternativeImage, &p.image, &p.Color, &p.Rotation}) {
        EXPECT_TRUE(within(field, &p.active, pictureEnd));
    }
    const void* linkEnd = &p.UserDraw + 1;
    EXPECT_TRUE(fits(&p.Particles, linkEnd, TParticle::kLinkSteps));
    for (const void* field : Fields{&p.FadeCounter, &p.Hidden, &p.InitialAlpha, &p.DoOverlayBlend}) {
        EXPECT_TRUE(within(field, &p.Particles, linkEnd));
    }
}

}  // namespace
