// A particle's life: delay, phases, motion, destination, bounds, fades, spin, growth and its end.
#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Particle.h"
#include "framework/sprites/ParticleGenerator.h"
#include "framework/sprites/ParticleList.h"

namespace {

using murkwell::test::Calls;
using murkwell::test::Record;
using murkwell::test::SpriteFixture;

class ParticleTest : public ::testing::Test {
protected:
    // A still particle in mid-screen, owned by the list.
    std::shared_ptr<TParticle> Add(float fadeMs = 0, int lifeMs = 0) {
        return list.AddNew(500, 400, fixture.Image(8, 8), 0, 0, 0, fadeMs, 0, 0, 0, 1, 0, lifeMs, 0);
    }
    // The alpha the particle would be drawn with now.
    float DrawnAlpha(TParticle& p) {
        fixture.graphics().ClearLog();
        p.Draw();
        const auto& log = fixture.graphics().Log();
        return log.empty() ? -1.0f : log.back().state.alpha;
    }
    // Whole ticks of the list.
    void Run(int ticks) {
        for (int t = 0; t < ticks; ++t) list.Manage();
    }

    SpriteFixture fixture;
    TParticleList list;
};

TEST_F(ParticleTest, CreateSpecialSetsUpTheWholeParticle) {
    auto p =
        TParticle::CreateSpecial(fixture.Image(8, 8), 1, 2, 3, 4, 0.5f, 1000.9f, 1, -1, 6, 0.5f, 0.01f, 100);
    EXPECT_EQ(p->active, 1);
    EXPECT_EQ(p->x, 1);
    EXPECT_EQ(p->dy, 4);
    EXPECT_EQ(p->ygravity, 0.5f);
    EXPECT_EQ(p->LifeCounter, 20);
    EXPECT_EQ(p->FadeLength, 200) << "whole ms first";
    EXPECT_EQ(p->FadeCounter, 200);
    EXPECT_EQ(p->DoLightBlend, 1);
    EXPECT_EQ(p->DoRotate, -1);
    EXPECT_EQ(p->RotationSpeed, 6);
    EXPECT_EQ(p->ScaleX, 0.5f);
    EXPECT_EQ(p->ScaleYSpeed, 0.01f);
    EXPECT_EQ(p->DoScale, 1);
}

TEST_F(ParticleTest, FadingInHoldingAndFadingOutFollowTheirTicks) {
    auto p = Add();
    p->SetFade(100, 100, 200, -1, 1);  // 20 ticks in, 20 held, 40 out
    EXPECT_EQ(DrawnAlpha(*p), 0);
    Run(5);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 0.25f);
    Run(5);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 0.5f);
    Run(10);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 1.0f);
    EXPECT_EQ(p->IsFadingOut(), 0);
    Run(20);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 1.0f) << "held";
    Run(10);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 0.75f);
    EXPECT_EQ(p->IsFadingOut(), 1);
    Run(29);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 1.0f / 40);
    EXPECT_EQ(list.Count(), 1);
    Run(1);
    EXPECT_EQ(list.Count(), 0) << "gone as the fade-out ends";
    EXPECT_EQ(p->active, 0);
    EXPECT_EQ(p->Alpha, 0);
}

TEST_F(ParticleTest, AFadeInCanStopShortOfFullAlpha) {
    auto p = Add();
    p->SetFade(50, 0, 50, -1, 0.5f);
    Run(5);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 0.25f);
    Run(5);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 0.5f);
    Run(5);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 0.25f);
}

TEST_F(ParticleTest, AFadeOfASecondWithoutALifeFadesOverTwoHundredTicks) {
    auto p = Add(1000);
    p->InitialAlpha = 0.8f;
    Run(100);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 0.4f);
    Run(99);
    EXPECT_EQ(list.Count(), 1);
    Run(1);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ParticleTest, WithoutKillOnFadeItStaysInvisible) {
    auto p = Add(50);
    p->KillOnFade = 0;
    Run(20);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(DrawnAlpha(*p), 0);
}

TEST_F(ParticleTest, ALifeEndsItWithItsPhasesFunction) {
    auto p = Add(0, 100);
    p->AddPhase(10000)->UserFunction = [](TParticle&) { Record("phase"); };
    p->StartPhases();
    Run(19);
    EXPECT_EQ(list.Count(), 1);
    Run(1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(Calls("phase"), 1);
}

TEST_F(ParticleTest, KillCallsItsHookAndTakesItsAttachedParticleAndGeneratorAlong) {
    auto p = Add();
    auto partner = Add();
    p->AttachedParticle = partner;
    p->ParticleGenerator = TParticleGenerator::Create(0, 0, 5, 100, nullptr, 0, 0, 0);
    p->DataObject = std::make_shared<int>(3);
    p->UserKill = [](TParticle&) { Record("killed"); };
    p->Kill();
    EXPECT_EQ(Calls("killed"), 1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(partner->active, 0);
    EXPECT_FALSE(p->ParticleGenerator);
    EXPECT_FALSE(p->DataObject);
    EXPECT_EQ(p->Particles, nullptr);
}

TEST_F(ParticleTest, ADelayedParticleIsHiddenAndStillUntilItsDelayEnds) {
    auto p = list.AddNew(500, 400, fixture.Image(8, 8), 2, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    p->AddPhase(50)->dx = 3;
    p->SetDelay(500);
    p->DelayFinished = [](TParticle& q) { q.Data1++; };
    EXPECT_EQ(p->Hidden, 1);
    Run(99);
    EXPECT_EQ(p->x, 500);
    EXPECT_EQ(p->Hidden, 1);
    EXPECT_EQ(DrawnAlpha(*p), -1) << "not drawn";
    EXPECT_EQ(p->Data1, 0);
    Run(1);
    EXPECT_EQ(p->Data1, 1) << "the delay's end was reported";
    EXPECT_EQ(p->Hidden, 0);
    EXPECT_EQ(p->x, 503) << "its first phase started and moved it";
}

TEST_F(ParticleTest, PhasesRunInOrderAndTheLastOneEndsTheParticle) {
    auto p = Add();
    const auto& calls = murkwell::test::hookCalls;
    auto first = p->AddPhase(50);
    first->dx = 1;
    first->UserFunction = [](TParticle& q) { Record("first at x " + std::to_string(int(q.x))); };
    auto second = p->AddPhase(100);
    second->SetCoords = 1;
    second->SetX = 10;
    second->SetY = 20;
    second->dy = 2;
    second->Alpha = 0.5f;
    second->SetAngle = 1;
    second->Angle = 45;
    second->DoScale = 1;
    second->Scale = 2;
    second->ScaleSpeed = 0.5f;
    second->UserFunction = [](TParticle& q) { Record("second at y " + std::to_string(int(q.y))); };
    p->StartPhases();
    Run(10);
    ASSERT_EQ(calls, std::vector<std::string>{"first at x 509"});
    EXPECT_EQ(p->CurrentPhaseIndex, 1);
    EXPECT_EQ(p->x, 10) << "the second phase placed it";
    EXPECT_EQ(p->y, 22) << "and moved it in the same tick";
    EXPECT_EQ(p->Alpha, 0.5f);
    EXPECT_EQ(p->Rotation, 45);
    EXPECT_EQ(p->ScaleX, 2.5f);
    Run(19);
    EXPECT_EQ(list.Count(), 1);
    Run(1);
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1], "second at y 60");
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ParticleTest, ANewPhaseStartsItsCountAfresh) {
    auto p = Add();
    p->AddPhase(50)->dx = 1;  // 10 ticks
    p->AddPhase(50)->dx = 2;
    p->StartPhases();
    Delta = 0.75f;
    int steps = 0;
    while (p->CurrentPhaseIndex == 0 && steps < 100) list.Manage(), ++steps;
    EXPECT_EQ(steps, 14) << "10.5 ticks counted";
    EXPECT_EQ(p->PhaseCounter, 0) << "the half tick past the first phase is not carried";
    while (list.Count() == 1 && steps < 100) list.Manage(), ++steps;
    EXPECT_EQ(steps, 28) << "the second phase again takes 14 steps";
    Delta = 1.0f;
}

TEST_F(ParticleTest, APhaseCanScaleEachAxisAndFade) {
    auto p = Add();
    auto phase = p->AddPhase(1000);
    phase->DoScale2 = 1;
    phase->ScaleX = 1;
    phase->ScaleY = 3;
    phase->ScaleYSpeed = -0.5f;
    phase->SetFade(0, 0, 100);
    p->StartPhases();
    Run(2);
    EXPECT_EQ(p->ScaleX, 1);
    EXPECT_EQ(p->ScaleY, 2);
    EXPECT_FLOAT_EQ(DrawnAlpha(*p), 0.9f);
    Run(4);
    EXPECT_EQ(list.Count(), 0) << "a scale of 0 ends it";
}

TEST_F(ParticleTest, KillPhasesDropsTheScript) {
    auto p = Add();
    p->AddPhase(5);
    p->StartPhases();
    p->KillPhases();
    Run(5);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(p->CurrentPhase);
}

TEST_F(ParticleTest, ArrivingIsReachingTheDestinationInTheDirectionOfTravel) {
    auto p = list.AddNew(110, 400, fixture.Image(8, 8), -2, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    p->DestX = 100;
    p->DestY = 400;
    p->DestinationReached = [](TParticle& q) {
        Record("arrived");
        q.StopAtDestination();
    };
    Run(4);
    EXPECT_EQ(Calls("arrived"), 0);
    Run(1);
    EXPECT_EQ(Calls("arrived"), 1);
    EXPECT_EQ(p->x, 100);
    EXPECT_EQ(p->dx, 0);
    EXPECT_EQ(list.Count(), 1) << "it only dies there when told to";
    p->KillOnDestinationReached = 1;
    Run(1);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ParticleTest, LeavingTheScreenEndsItUnlessAllowed) {
    auto leaver = list.AddNew(1020, 400, fixture.Image(8, 8), 5, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    auto wanderer = list.AddNew(1020, 400, fixture.Image(8, 8), 5, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
    wanderer->NoOutOfBounds = 1;
    Run(1);
    EXPECT_EQ(list.Count(), 2);
    Run(1);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(leaver->active, 0);
}

TEST_F(ParticleTest, ItSpinsEitherWayWithinATurn) {
    auto forwards = list.AddNew(500, 400, fixture.Image(8, 8), 0, 0, 0, 0, 0, 1, 100, 1, 0, 0, 0);
    auto backwards = list.AddNew(500, 400, fixture.Image(8, 8), 0, 0, 0, 0, 0, -1, 100, 1, 0, 0, 0);
    Run(4);
    EXPECT_EQ(forwards->Rotation, 40);
    EXPECT_EQ(backwards->Rotation, 320);
}

TEST_F(ParticleTest, ASpinWrapsOnlyAtTheEndItHeadsFor) {
    auto forwards = list.AddNew(500, 400, fixture.Image(8, 8), 0, 0, 0, 0, 0, 1, 10, 1, 0, 0, 0);
    auto backwards = list.AddNew(500, 400, fixture.Image(8, 8), 0, 0, 0, 0, 0, -1, 10, 1, 0, 0, 0);
    forwards->Rotation = -30;
    backwards->Rotation = 400;
    Run(1);
    EXPECT_EQ(forwards->Rotation, -20) << "below the start while turning up: left to count up";
    EXPECT_EQ(backwards->Rotation, 390) << "past the end while turning down: left to count down";
    forwards->Rotation = 355;
    backwards->Rotation = 5;
    Run(1);
    EXPECT_EQ(forwards->Rotation, 5);
    EXPECT_EQ(backwards->Rotation, 355);
}

TEST_F(ParticleTest, ItsTintFadesByTheDeltas) {
    auto p = Add();
    p->SetColorFade(TColor::Create(100, 200, 50), 10.5f, -20, 0);
    Run(2);
    EXPECT_EQ(p->Color->r, 121);
    EXPECT_EQ(p->Color->g, 160);
    EXPECT_EQ(p->Color->b, 50);
}

TEST_F(ParticleTest, ItsOwnMoveAndDrawReplaceTheSprites) {
    auto p = Add();
    p->UserMove = [](TParticle& q) { q.y -= 1; };
    p->UserDraw = [](TParticle&) { Record("drawn"); };
    p->dx = 50;
    Run(3);
    p->Draw();
    EXPECT_EQ(p->x, 500);
    EXPECT_EQ(p->y, 397);
    EXPECT_EQ(Calls("drawn"), 1);
    EXPECT_TRUE(fixture.graphics().Log().empty());
}

TEST_F(ParticleTest, ItDrawsInLightOrOverlayBlendingAndPutsAlphaBlendingBack) {
    auto light = list.AddNew(500, 400, fixture.Image(8, 8), 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0);
    auto overlay = Add();
    overlay->DoOverlayBlend = 1;
    list.Draw();
    const auto& log = fixture.graphics().Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].state.blend, platform::BlendMode::Light);
    EXPECT_EQ(log[1].state.blend, platform::BlendMode::Shade);
    EXPECT_EQ(fixture.graphics().Current().blend, platform::BlendMode::Alpha);
}

TEST_F(ParticleTest, ACarriedGeneratorRunsWithIt) {
    auto p = Add();
    p->ParticleGenerator = TParticleGenerator::Create(
        0, 0, 3, 10, [](TParticleGenerator&) { Record("shot"); }, 0, 0, 1);
    Run(4);
    EXPECT_EQ(Calls("shot"), 3);
}

}  // namespace
