// What a sprite hands the drawing layer: its transform, shadow, picture and glow, and the state it
// leaves behind.
#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Sprite.h"

namespace {

using murkwell::test::RecordingGraphics;
using murkwell::test::SpriteFixture;
using State = RecordingGraphics::State;
using platform::BlendMode;

class SpriteDrawTest : public ::testing::Test {
protected:
    RecordingGraphics& graphics() { return fixture.graphics(); }
    const std::vector<RecordingGraphics::Drawn>& Drawn() { return graphics().Log(); }
    // Nothing of the sprite's state is left in the drawing layer.
    void ExpectRestState() {
        const State& now = graphics().Current();
        EXPECT_EQ(now.scaleX, 1);
        EXPECT_EQ(now.scaleY, 1);
        EXPECT_EQ(now.rotation, 0);
        EXPECT_EQ(now.alpha, 1);
        EXPECT_EQ(now.r, 255);
        EXPECT_EQ(now.g, 255);
        EXPECT_EQ(now.b, 255);
        EXPECT_EQ(now.blend, BlendMode::Alpha);
    }

    SpriteFixture fixture;
};

TEST_F(SpriteDrawTest, TheTransformAppliesToThePictureAndIsUndoneAfter) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(10, 10));
    sprite.SetPosition(100, 50);
    sprite.ScaleX = 2;
    sprite.BaseScaleY = 0.5f;
    sprite.Rotation = 30;
    sprite.Alpha = 0.25f;
    sprite.Color = TColor::Create(10, 20, 30);
    sprite.Draw();
    ASSERT_EQ(Drawn().size(), 1u);
    const auto& d = Drawn()[0];
    EXPECT_EQ(d.x, 100);
    EXPECT_EQ(d.y, 50);
    EXPECT_EQ(d.state, (State{2, 0.5f, 30, 0.25f, 10, 20, 30, BlendMode::Alpha}));
    ExpectRestState();
}

TEST_F(SpriteDrawTest, WithoutUseAlphaTheAlphaInForceIsKept) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(10, 10));
    sprite.UseAlpha = 0;
    sprite.Alpha = 0.25f;
    graphics().SetAlpha(0.6f);
    sprite.Draw();
    ASSERT_EQ(Drawn().size(), 1u);
    EXPECT_FLOAT_EQ(Drawn()[0].state.alpha, 0.6f);
}

TEST_F(SpriteDrawTest, TheOffsetAndRoundingMoveThePicture) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(10, 10));
    sprite.SetPosition(10.4f, 20.5f);
    sprite.UseOffset = 1;
    sprite.offx = 5;
    sprite.offy = -5;
    sprite.Draw();
    sprite.RoundCoords = 1;
    sprite.Draw();
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_FLOAT_EQ(Drawn()[0].x, 15.4f);
    EXPECT_FLOAT_EQ(Drawn()[0].y, 15.5f);
    EXPECT_EQ(Drawn()[1].x, 15);
    EXPECT_EQ(Drawn()[1].y, 16);
}

TEST_F(SpriteDrawTest, TheShadowGoesFirstInBlackAtItsShareOfTheAlpha) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(10, 10));
    sprite.SetPosition(100, 50);
    sprite.Alpha = 0.8f;
    sprite.Color = TColor::Create(200, 150, 100);
    sprite.SetShadow(1, 4, 5, 0.5f);
    sprite.Draw();
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_EQ(Drawn()[0].x, 104);
    EXPECT_EQ(Drawn()[0].y, 55);
    EXPECT_EQ(Drawn()[0].state.r + Drawn()[0].state.g + Drawn()[0].state.b, 0);
    EXPECT_FLOAT_EQ(Drawn()[0].state.alpha, 0.4f);
    EXPECT_EQ(Drawn()[1].x, 100);
    EXPECT_EQ(Drawn()[1].state.r, 200) << "the tint comes back for the picture";
    EXPECT_FLOAT_EQ(Drawn()[1].state.alpha, 0.8f);
    ExpectRestState();
}

TEST_F(SpriteDrawTest, AScrolledSpriteAndItsShadowMoveWithTheScreen) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(10, 10));
    sprite.SetPosition(300, 200);
    sprite.Shadow = 1;
    TSprite::ScrollX = -100;
    TSprite::ScrollY = 40;
    sprite.DrawWithOffset();
    TSprite::ScrollX = TSprite::ScrollY = 0;
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_EQ(Drawn()[0].x, 403);
    EXPECT_EQ(Drawn()[0].y, 163);
    EXPECT_EQ(Drawn()[1].x, 400);
    EXPECT_EQ(Drawn()[1].y, 160);
}

TEST_F(SpriteDrawTest, TheAnimationFrameIsDrawnWhileItRunsElseTheStillFrame) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(10, 10, 4));
    sprite.ImageFrame = 2;
    sprite.Draw();
    sprite.SetupAnim(4, 400, 1, 0, 0, 0, 1);
    for (int t = 0; t < 25; ++t) sprite.ManageAnim();
    sprite.Draw();
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_EQ(Drawn()[0].frame, 2);
    EXPECT_EQ(Drawn()[1].frame, 1);
}

TEST_F(SpriteDrawTest, AnInvisibleSpriteDrawsNothing) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(10, 10));
    sprite.visible = 0;
    sprite.Draw();
    EXPECT_TRUE(Drawn().empty());
    EXPECT_EQ(graphics().StateChanges().Total(), 0);
}

TEST_F(SpriteDrawTest, AGlowDrawsTheSpriteAgainInLight) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(10, 10));
    auto other = fixture.Image(12, 12);
    sprite.AlternativeImage = other;
    sprite.SetGlow(2, 0.5f, 0, 0, 1);
    sprite.Draw();
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_EQ(Drawn()[0].image, other->image.get());
    EXPECT_EQ(Drawn()[1].image, sprite.image->image.get()) << "the glow draws the sprite's own picture";
    EXPECT_EQ(Drawn()[1].state.blend, BlendMode::Light);
    EXPECT_EQ(Drawn()[1].state.r, 127);
    EXPECT_FALSE(sprite.AlternativeImage) << "the light pass leaves the sprite without another picture";
    ExpectRestState();
    sprite.Draw();
    ASSERT_EQ(Drawn().size(), 4u);
    EXPECT_EQ(Drawn()[2].image, sprite.image->image.get()) << "so from the next draw on its own shows";
}

TEST_F(SpriteDrawTest, DrawLightCanUseAnotherPicture) {
    TSprite sprite;
    sprite.SetImage(fixture.Image(10, 10));
    auto light = fixture.Image(30, 30);
    sprite.DrawLight(1, 1, 0.5f, 0, light);
    ASSERT_EQ(Drawn().size(), 1u);
    EXPECT_EQ(Drawn()[0].image, light->image.get());
    EXPECT_EQ(Drawn()[0].state.g, 127);
    EXPECT_EQ(Drawn()[0].state.b, 0);
    EXPECT_FALSE(sprite.AlternativeImage);
    ExpectRestState();
    // A picture the sprite had chosen itself is dropped the same way.
    sprite.AlternativeImage = fixture.Image(12, 12);
    sprite.DrawLight(1, 1, 1, 1, nullptr);
    EXPECT_EQ(Drawn()[1].image, sprite.image->image.get());
    EXPECT_FALSE(sprite.AlternativeImage);
}

}  // namespace
