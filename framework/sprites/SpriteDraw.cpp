// Drawing a sprite: its transform, shadow, picture, label and glow, through the shared drawing state.
#include <cmath>

#include "framework/gfx/GameImage.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/DrawState.h"
#include "framework/sprites/Sprite.h"

inline bool TSprite::ApplyTransform() {
    TDrawState::SetScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
    TDrawState::SetRotation(Rotation);
    if (UseAlpha) {
        TDrawState::SetAlpha(Alpha);
        if (Label) Label->Alpha = Alpha;
    }
    if (!Color) return false;
    TDrawState::SetColor(Color->r, Color->g, Color->b);
    return true;
}

inline void TSprite::RestoreTransform(bool tinted) {
    TDrawState::SetScale(1, 1);
    TDrawState::SetRotation(0);
    TDrawState::SetAlpha(1);
    if (tinted) TDrawState::SetColor(255, 255, 255);
}

inline int TSprite::DrawAt(float px, float py, int screenRelative) {
    const std::shared_ptr<TGameImage>& img = AlternativeImage ? AlternativeImage : image;
    if (!img || !img->image) return 0;
    const int f = AnimCounter > 0 ? GetAnimFrame() : ImageFrame;
    if (Shadow) ShadowAt(*img, f, screenRelative);
    TDrawState::DrawImage(*img->image, px, py, f);
    if (Label) {
        // The label draws itself through the drawing layer.
        TDrawState::Flush();
        Label->Draw(px - x, py - y, 1);
        TDrawState::Forget();
    }
    return 1;
}

inline int TSprite::DrawPicture(bool rounded) {
    if (!rounded) return DrawAt(PictureX(), PictureY(), 0);
    return DrawAt(std::floor(PictureX() + 0.5f), std::floor(PictureY() + 0.5f), 0);
}

int TSprite::DoDraw() {
    if (!visible) return 0;
    TDrawState::Batch batch;
    const bool tinted = ApplyTransform();
    DrawPicture(RoundCoords != 0);
    RestoreTransform(tinted);
    return 1;
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
    // The other picture stands in for this one draw only; the sprite's own choice comes back after.
    std::swap(AlternativeImage, img);
    DoDraw();
    std::swap(AlternativeImage, img);
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
