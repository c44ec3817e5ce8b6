#pragma once

// The drawing of one sprite's picture, where a particle's draw can take it in whole: that runs for
// thousands of particles a tick, and a call per picture would cost more than the picture's own work.
// Only the sprite's and the particle's drawing include this.
#include <cmath>

#include "framework/gfx/GameImage.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/DrawState.h"
#include "framework/sprites/Sprite.h"

inline bool TSprite::ApplyTransform() {
    TDrawState::SetTransform(BaseScaleX * ScaleX, BaseScaleY * ScaleY, Rotation);
    if (UseAlpha) {
        TDrawState::SetAlpha(Alpha);
        if (Label) Label->Alpha = Alpha;
    }
    if (!Color) return false;
    TDrawState::SetColor(Color->r, Color->g, Color->b);
    return true;
}

inline void TSprite::RestoreTransform(bool tinted) {
    TDrawState::SetTransform(1, 1, 0);
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

inline int TSprite::DrawTransformed() {
    if (!visible) return 0;
    const bool tinted = ApplyTransform();
    DrawPicture(RoundCoords != 0);
    RestoreTransform(tinted);
    return 1;
}

inline int TSprite::DrawSprite() {
    return GlowMode > 0 ? DrawGlowing() : DrawTransformed();
}
