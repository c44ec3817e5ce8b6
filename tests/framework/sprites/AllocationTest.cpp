// Running and drawing a busy particle list allocates nothing once it holds steady. Counts every
// allocation of the program, so it lives in a program of its own.
#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "framework/sprites/ParticleEffects.h"
#include "framework/sprites/ParticleList.h"
#include "tests/support/CountingAllocator.h"

namespace {

using murkwell::test::Allocations;
using murkwell::test::SpriteFixture;

TEST(ParticleAllocation, TwoThousandLiveParticlesRunAndDrawWithoutAllocating) {
    SpriteFixture fixture;
    TParticleList list;
    TEffectStyle style;
    style.Images = {fixture.Image(16, 16), fixture.Image(8, 8)};
    style.MinSpeed = 0.05f;
    style.MaxSpeed = 0.2f;
    style.MinSpin = 1;
    style.MaxSpin = 3;
    style.FadeMs = 60000;
    style.Shadow = 1;
    style.LightBlend = 1;
    EmitBurst(list, 512, 384, 1000, style);
    style.LightBlend = 0;
    style.Gravity = 0.0001f;
    EmitBurst(list, 512, 384, 1000, style);
    list.ForEach([](TParticle& p) { p.Color = TColor::Create(255, 200, 100); });
    ASSERT_EQ(list.Count(), 2000);
    list.Manage();
    list.Draw();

    const long before = Allocations();
    for (int tick = 0; tick < 200; ++tick) {
        // The test's own record of the drawing keeps the room it took on the first tick.
        fixture.graphics().ClearLog();
        list.Manage();
        list.Draw();
    }
    EXPECT_EQ(Allocations() - before, 0);
    EXPECT_EQ(list.Count(), 2000);

    // The count does see the list's allocations: one more particle is one more object.
    const long beforeAdding = Allocations();
    EmitBurst(list, 512, 384, 1, style);
    EXPECT_GT(Allocations() - beforeAdding, 0);
}

}  // namespace
