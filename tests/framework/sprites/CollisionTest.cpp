// The image collision test and the particles registered for it.
#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "framework/sprites/ParticleList.h"
#include "platform/ImageCollision.h"

namespace {

using murkwell::test::SpriteFixture;
using Placement = platform::ImageCollision::Placement;

class CollisionTest : public ::testing::Test {
protected:
    platform::ImageCollision& collisions() { return fixture.graphics().Collisions(); }
    SpriteFixture fixture;
    // 20 × 10, handled at its middle: at (100, 100) it covers 90 … 110 by 95 … 105.
    std::shared_ptr<TGameImage> wide = fixture.Image(20, 10);
    std::shared_ptr<TGameImage> dot = fixture.Image(2, 2);
};

TEST_F(CollisionTest, APictureCoversItsFramePlacedByItsHandleScaleAndTurn) {
    const int owner = 0;
    collisions().Add(*wide->image, {100, 100}, 1, &owner);
    struct Case {
        Placement at;
        bool hits;
        const char* what;
    };
    // The 2 × 2 dot handled at its middle covers x − 1 … x + 1.
    for (const Case& c :
         {Case{{100, 100}, true, "inside"}, Case{{110.5f, 100}, true, "over the right edge"},
          Case{{111, 100}, false, "touching the right edge"},
          Case{{100, 106}, false, "touching the bottom edge"},
          Case{{89.5f, 104.5f}, true, "over the bottom left corner"}, Case{{100, 111}, false, "below"},
          Case{{100, 111, 1, 14}, true, "stretched down to it"},
          Case{{100, 111, 1, 1, 45}, false, "turned, but its box stays short of it"},
          Case{{100, 200}, false, "far away"}}) {
        EXPECT_EQ(collisions().Collide(*dot->image, c.at, 1).size(), c.hits ? 1u : 0u) << c.what;
    }
    // A turned registration covers the box around the turned frame: 10 × 20 upright.
    collisions().Clear(1);
    collisions().Add(*wide->image, {100, 100, 1, 1, 90}, 1, &owner);
    EXPECT_TRUE(collisions().Collide(*dot->image, {100, 108}, 1).size() == 1);
    EXPECT_TRUE(collisions().Collide(*dot->image, {108, 100}, 1).empty());
}

TEST_F(CollisionTest, LayersKeepPicturesApartAndClearOnlyTheirOwn) {
    const int a = 0, b = 0;
    collisions().Add(*wide->image, {100, 100}, 0b01, &a);
    collisions().Add(*wide->image, {100, 100}, 0b11, &b);
    collisions().Add(*wide->image, {100, 100}, 0, &a);  // on no layer: not kept
    EXPECT_EQ(collisions().Count(), 2);
    using Owners = std::vector<const void*>;
    EXPECT_EQ(collisions().Collide(*dot->image, {100, 100}, 0b01), (Owners{&a, &b}));
    EXPECT_EQ(collisions().Collide(*dot->image, {100, 100}, 0b10), (Owners{&b}));
    EXPECT_EQ(collisions().Collide(*dot->image, {100, 100}, 0b11), (Owners{&a, &b})) << "each once";
    collisions().Clear(0b01);
    EXPECT_EQ(collisions().Collide(*dot->image, {100, 100}, 0b11), (Owners{&b})) << "still on layer 2";
    collisions().Clear(0b10);
    EXPECT_EQ(collisions().Count(), 0);
}

TEST_F(CollisionTest, AParticleListRegistersEveryParticleOnShowWhereItIsDrawn) {
    TParticleList list;
    auto shown = list.AddNew(100, 100, wide, 0, 0, 0, 0, 0, 0, 0, 2.0f, 0, 0, 0);  // 40 × 20 at its scale
    auto offset = list.AddNew(300, 100, wide, 0, 0, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    offset->UseOffset = 1;
    offset->offx = 50;
    auto delayed = list.AddNew(500, 100, wide, 0, 0, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    delayed->SetDelay(1000);
    auto invisible = list.AddNew(700, 100, wide, 0, 0, 0, 0, 0, 0, 0, 1.0f, 0, 0, 0);
    invisible->visible = 0;
    EXPECT_EQ(list.Collide(0b100), 1);
    EXPECT_EQ(collisions().Count(), 2);
    using Owners = std::vector<const void*>;
    EXPECT_EQ(collisions().Collide(*dot->image, {118, 100}, 0b100), (Owners{shown.get()})) << "scaled";
    EXPECT_EQ(collisions().Collide(*dot->image, {350, 100}, 0b100), (Owners{offset.get()})) << "offset";
    EXPECT_TRUE(collisions().Collide(*dot->image, {300, 100}, 0b100).empty());
    EXPECT_TRUE(collisions().Collide(*dot->image, {500, 100}, 0b100).empty()) << "hidden while delayed";
    EXPECT_TRUE(collisions().Collide(*dot->image, {700, 100}, 0b100).empty());
    EXPECT_TRUE(collisions().Collide(*dot->image, {118, 100}, 0b001).empty()) << "another layer";
    TParticleList empty;
    EXPECT_EQ(empty.Collide(), 0);
}

}  // namespace
