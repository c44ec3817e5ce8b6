// Drawing into the drawing area with the state the layer keeps.
#include <cmath>

#include "platform/sdl/SdlGraphics.h"
#include "platform/sdl/SdlImage.h"

namespace platform {

Tint SdlGraphics::CurrentTint() const {
    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    return {static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b),
            static_cast<uint8_t>(std::lround(Alpha() * 255))};
}

uint8_t SdlGraphics::DrawAlpha() const {
    return Blend() == BlendMode::Solid ? 255 : CurrentTint().a;
}

SDL_BlendMode SdlGraphics::SdlBlend() const {
    switch (Blend()) {
        case BlendMode::Solid:
            return SDL_BLENDMODE_NONE;
        case BlendMode::Light:
            return SDL_BLENDMODE_ADD;
        case BlendMode::Shade:
            return SDL_BLENDMODE_MOD;
        case BlendMode::Mask:
        case BlendMode::Alpha:
            return SDL_BLENDMODE_BLEND;
    }
    return SDL_BLENDMODE_BLEND;
}

void SdlGraphics::ApplyBlend(SDL_Texture* texture) {
    const Tint tint = CurrentTint();
    SDL_SetTextureColorMod(texture, tint.r, tint.g, tint.b);
    SDL_SetTextureAlphaMod(texture, DrawAlpha());
    SDL_SetTextureBlendMode(texture, SdlBlend());
}

void SdlGraphics::Cls() {
    if (!renderer_) return;
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    int r = 0, g = 0, b = 0;
    GetClsColor(r, g, b);
    SDL_SetRenderDrawColor(renderer_, static_cast<uint8_t>(r), static_cast<uint8_t>(g),
                           static_cast<uint8_t>(b), 255);
    const SDL_Rect area{viewport_.x, viewport_.y, viewport_.w, viewport_.h};
    SDL_RenderFillRect(renderer_, &area);
}

void SdlGraphics::DrawTexturePart(const SdlImage& image, int frame, const SDL_Rect& src, float x, float y,
                                  float w, float h, float hx, float hy) {
    SDL_Texture* texture = image.Texture();
    if (!texture) return;
    const float scaleX = ScaleX(), scaleY = ScaleY(), rotation = Rotation();
    const float ax = std::fabs(scaleX), ay = std::fabs(scaleY);
    int flip = SDL_FLIP_NONE;
    // A negative scale mirrors the picture about the handle.
    SDL_FPoint centre{hx * ax, hy * ay};
    if (scaleX < 0) {
        centre.x = (w - hx) * ax;
        flip |= SDL_FLIP_HORIZONTAL;
    }
    if (scaleY < 0) {
        centre.y = (h - hy) * ay;
        flip |= SDL_FLIP_VERTICAL;
    }
    const SDL_FRect dst{x + originX_ - centre.x, y + originY_ - centre.y, w * ax, h * ay};
    const bool upright = rotation == 0 && flip == SDL_FLIP_NONE;
    // The software renderer turns, scales and tints every such copy anew, slowly: the cache keeps them
    // made.
    if (cache_ &&
        DrawCached(image, frame, src, dst, upright && dst.w == src.w && dst.h == src.h, x, y, w, h, hx, hy)) {
        return;
    }
    ApplyBlend(texture);
    // An upright, unmirrored picture takes the plain copy: the software renderer turns every other copy
    // through a picture of its own, many times slower.
    if (upright) {
        SDL_RenderCopyF(renderer_, texture, &src, &dst);
        return;
    }
    SDL_RenderCopyExF(renderer_, texture, &src, &dst, rotation, &centre, static_cast<SDL_RendererFlip>(flip));
}

bool SdlGraphics::DrawCached(const SdlImage& image, int frame, const SDL_Rect& src, const SDL_FRect& dst,
                             bool plain, float x, float y, float w, float h, float hx, float hy) {
    // The copies are cut to the visible pixels, which only blending that leaves the screen alone under
    // transparent pixels allows.
    CopyBlend blend;
    if (Blend() == BlendMode::Alpha || Blend() == BlendMode::Mask) {
        blend = CopyBlend::Alpha;
    } else if (Blend() == BlendMode::Light) {
        blend = CopyBlend::Add;
    } else {
        return false;
    }
    const Tint tint = CurrentTint();
    PictureTransform transform;
    if (plain) {
        // An untinted plain copy is as fast as it gets already; a tinted one is worth a copy when small
        // (a large one fading would be made again at every step).
        if (tint.White() || src.w * src.h > kLargestTintedPlain) return false;
        // Exactly where the renderer's own copy goes: its corner on the whole pixel the renderer cuts
        // the position down to.
        transform.pivotX = static_cast<float>(src.x);
        transform.pivotY = static_cast<float>(src.y);
        transform.atX = std::trunc(dst.x);
        transform.atY = std::trunc(dst.y);
    } else {
        // The renderer draws nothing of a picture stretched to nothing or less.
        if (w <= 0 || h <= 0) return true;
        transform.pivotX = src.x + hx * src.w / w;
        transform.pivotY = src.y + hy * src.h / h;
        transform.atX = x + originX_;
        transform.atY = y + originY_;
        transform.scaleX = ScaleX() * w / src.w;
        transform.scaleY = ScaleY() * h / src.h;
        transform.degrees = Rotation();
    }
    SdlTransformCache::Placement placed;
    if (!cache_->Place(image, frame, src, transform, tint, blend, placed)) return false;
    if (placed.texture) SDL_RenderCopy(renderer_, placed.texture, &placed.src, &placed.dst);
    return true;
}

void SdlGraphics::DrawImage(const Image& image, float x, float y, int frame) {
    DrawImageRect(image, x, y, static_cast<float>(image.Width()), static_cast<float>(image.Height()), frame);
}

void SdlGraphics::DrawImageRect(const Image& image, float x, float y, float w, float h, int frame) {
    const auto& img = static_cast<const SdlImage&>(image);
    SDL_Rect src;
    if (!renderer_ || !img.Source(frame, src)) return;
    // The handle is given in frame pixels; a stretched draw stretches it too.
    DrawTexturePart(img, frame, src, x, y, w, h, img.HandleX() * w / src.w, img.HandleY() * h / src.h);
}

void SdlGraphics::DrawSubImageRect(const Image& image, float x, float y, float w, float h, float sx, float sy,
                                   float sw, float sh, int frame) {
    const auto& img = static_cast<const SdlImage&>(image);
    SDL_Rect whole;
    if (!renderer_ || !img.Source(frame, whole) || sw <= 0 || sh <= 0) return;
    const SDL_Rect src{whole.x + static_cast<int>(std::lround(sx)),
                       whole.y + static_cast<int>(std::lround(sy)), static_cast<int>(std::lround(sw)),
                       static_cast<int>(std::lround(sh))};
    // A part never reaches into the neighbouring frames of a strip.
    SDL_Rect part;
    if (!SDL_IntersectRect(&src, &whole, &part)) return;
    DrawTexturePart(img, frame, part, x, y, w * part.w / sw, h * part.h / sh, 0, 0);
}

void SdlGraphics::DrawRect(float x, float y, float w, float h) {
    if (!renderer_) return;
    const Tint tint = CurrentTint();
    const SDL_Color colour{tint.r, tint.g, tint.b, DrawAlpha()};
    const float scaleX = ScaleX(), scaleY = ScaleY(), rotation = Rotation();
    SDL_SetRenderDrawBlendMode(renderer_, SdlBlend());
    SDL_SetRenderDrawColor(renderer_, colour.r, colour.g, colour.b, colour.a);
    const float px = x + originX_, py = y + originY_;
    if (rotation == 0) {
        SDL_FRect r{px, py, w * scaleX, h * scaleY};
        if (r.w < 0) r.x += r.w, r.w = -r.w;
        if (r.h < 0) r.y += r.h, r.h = -r.h;
        SDL_RenderFillRectF(renderer_, &r);
        return;
    }
    const float rad = rotation * static_cast<float>(M_PI) / 180.0f;
    const float c = std::cos(rad), s = std::sin(rad);
    auto corner = [&](float u, float v) {
        const float ux = u * scaleX, vy = v * scaleY;
        return SDL_Vertex{{px + ux * c - vy * s, py + ux * s + vy * c}, colour, {0, 0}};
    };
    const SDL_Vertex vertices[4] = {corner(0, 0), corner(w, 0), corner(w, h), corner(0, h)};
    const int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(renderer_, nullptr, vertices, 4, indices, 6);
}

void SdlGraphics::DrawLine(float x1, float y1, float x2, float y2) {
    if (!renderer_) return;
    SDL_SetRenderDrawBlendMode(renderer_, SdlBlend());
    const Tint tint = CurrentTint();
    SDL_SetRenderDrawColor(renderer_, tint.r, tint.g, tint.b, DrawAlpha());
    const float rad = Rotation() * static_cast<float>(M_PI) / 180.0f;
    const float c = std::cos(rad), s = std::sin(rad);
    const float dx = (x2 - x1) * ScaleX(), dy = (y2 - y1) * ScaleY();
    const float px = x1 + originX_, py = y1 + originY_;
    SDL_RenderDrawLineF(renderer_, px, py, px + dx * c - dy * s, py + dx * s + dy * c);
}

}  // namespace platform
