// Running and drawing a busy particle list allocates nothing once it holds steady. Counts every
// allocation of the program, so it lives in a program of its own.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "SpriteTestSupport.h"
#include "framework/sprites/ParticleEffects.h"
#include "framework/sprites/ParticleList.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

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

    const long before = allocations;
    for (int tick = 0; tick < 200; ++tick) {
        // The test's own record of the drawing keeps the room it took on the first tick.
        fixture.graphics().ClearLog();
        list.Manage();
        list.Draw();
    }
    EXPECT_EQ(allocations - before, 0);
    EXPECT_EQ(list.Count(), 2000);

    // The count does see the list's allocations: one more particle is one more object.
    const long beforeAdding = allocations;
    EmitBurst(list, 512, 384, 1, style);
    EXPECT_GT(allocations - beforeAdding, 0);
}

}  // namespace
