// Drawing a sprite: its transform, shadow, picture, label and glow, through the shared drawing state.
#include "framework/core/Game.h"
#include "framework/sprites/SpriteDrawInline.h"

int TSprite::Draw() {
    TDrawState::Batch batch;
    return DrawSprite();
}

int TSprite::DoDraw() {
    TDrawState::Batch batch;
    return DrawTransformed();
}

int TSprite::DrawGlowing() {
    TDrawState::Batch batch;
    DoDraw();
    DrawLight(Glow, 1, 1, 1, nullptr);
    return 1;
}

int TSprite::DrawLight(float strength, float r, float g, float b, std::shared_ptr<TGameImage> img) {
    if (!visible) return 0;
    TDrawState::Batch batch;
    TDrawState::SetBlend(platform::BlendMode::Light);
    TDrawState::SetColor(static_cast<int>(strength * 255 * r), static_cast<int>(strength * 255 * g),
                         static_cast<int>(strength * 255 * b));
    // The given picture (or none: the sprite's own) stands in for this one draw, and afterwards the sprite
    // has no other picture at all.
    AlternativeImage = std::move(img);
    DoDraw();
    AlternativeImage.reset();
    TDrawState::SetBlend(platform::BlendMode::Alpha);
    TDrawState::SetColor(255, 255, 255);
    return 1;
}

int TSprite::DrawNormal() {
    TDrawState::Batch batch;
    return DrawPicture(false);
}

int TSprite::DrawRounded() {
    TDrawState::Batch batch;
    return DrawPicture(true);
}

int TSprite::DrawShadow(const TGameImage& img, int f, int screenRelative) {
    TDrawState::Batch batch;
    return ShadowAt(img, f, screenRelative);
}

int TSprite::ShadowAt(const TGameImage& img, int f, int screenRelative) {
    if (!Shadow || !img.image) return 0;
    int r, g, b;
    TDrawState::GetColor(r, g, b);
    TDrawState::SetColor(0, 0, 0);
    TDrawState::SetAlpha(ShadowAlpha * Alpha);
    float sx = x + ShadowX, sy = y + ShadowY;
    if (UseOffset) sx += offx, sy += offy;
    if (screenRelative == 1) sx -= ScrollX, sy -= ScrollY;
    TDrawState::DrawImage(*img.image, sx, sy, f);
    TDrawState::SetColor(r, g, b);
    TDrawState::SetAlpha(Alpha);
    return 1;
}

int TSprite::DrawWithOffset() {
    if (!visible) return 0;
    TDrawState::Batch batch;
    const bool tinted = ApplyTransform();
    DrawAt(PictureX() - ScrollX, PictureY() - ScrollY, 1);
    RestoreTransform(tinted);
    return 1;
}

int TSprite::AddToCollisions(uint32_t layers) {
    const std::shared_ptr<TGameImage>& img = AlternativeImage ? AlternativeImage : image;
    if (!img || !img->image || !Game) return 0;
    Game->GetPlatform().GetGraphics().Collisions().Add(
        *img->image, {PictureX(), PictureY(), BaseScaleX * ScaleX, BaseScaleY * ScaleY, Rotation}, layers,
        this);
    return 1;
}
