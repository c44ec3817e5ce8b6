#include "platform/sdl/SdlImage.h"

#include <algorithm>
#include <utility>

#include "platform/sdl/SdlTransformCache.h"

namespace platform {
namespace {

SDL_Rect VisibleWithin(const PixelMap& pixels, const SDL_Rect& frame) {
    int left = frame.x + frame.w, right = frame.x - 1, top = frame.y + frame.h, bottom = frame.y - 1;
    for (int y = frame.y; y < frame.y + frame.h; ++y) {
        const uint8_t* row = pixels.Row(y);
        for (int x = frame.x; x < frame.x + frame.w; ++x) {
            if (row[x * 4 + 3] == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < left) return {frame.x, frame.y, 0, 0};
    left = std::max(left - 1, frame.x);
    top = std::max(top - 1, frame.y);
    right = std::min(right + 1, frame.x + frame.w - 1);
    bottom = std::min(bottom + 1, frame.y + frame.h - 1);
    return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

SdlImage::SdlImage(PixelMap pixels, int cellW, int cellH, int first, int frames, int flags)
    : Image(cellW, cellH, frames),
      pixels_(std::move(pixels)),
      cellW_(cellW),
      cellH_(cellH),
      first_(first),
      flags_(flags) {
    visible_.reserve(static_cast<size_t>(std::max(frames, 0)));
    for (int frame = 0; frame < frames; ++frame) {
        SDL_Rect r{0, 0, 0, 0};
        if (Source(frame, r)) r = VisibleWithin(pixels_, r);
        visible_.push_back(r);
    }
}

SdlImage::~SdlImage() {
    Release();
}

void SdlImage::Release() {
    if (cache_) cache_->Forget(*this);
    cache_ = nullptr;
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
}

bool SdlImage::Upload(SDL_Renderer* renderer, SdlTransformCache* cache) {
    Release();
    if (!renderer || pixels_.Empty()) return false;
    // The renderers' own layout, so that drawing copies pixels instead of reordering their bytes each
    // frame (the software renderer blits without conversion then).
    texture_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                 pixels_.Width(), pixels_.Height());
    if (!texture_) return false;
    std::vector<uint8_t> converted(static_cast<size_t>(pixels_.Width()) * pixels_.Height() * 4);
    SDL_ConvertPixels(pixels_.Width(), pixels_.Height(), SDL_PIXELFORMAT_RGBA32, pixels_.Data(),
                      pixels_.Width() * 4, SDL_PIXELFORMAT_ARGB8888, converted.data(), pixels_.Width() * 4);
    SDL_UpdateTexture(texture_, nullptr, converted.data(), pixels_.Width() * 4);
    SDL_SetTextureScaleMode(texture_, Filtered() ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_BLEND);
    cache_ = cache;
    return true;
}

bool SdlImage::Source(int frame, SDL_Rect& out) const {
    if (frame < 0 || frame >= Frames()) return false;
    Rect r;
    if (!FrameRect(pixels_.Width(), pixels_.Height(), cellW_, cellH_, first_, frame, r)) return false;
    out = {r.x, r.y, r.w, r.h};
    return true;
}

SDL_Rect SdlImage::Visible(int frame) const {
    if (frame < 0 || frame >= static_cast<int>(visible_.size())) return {0, 0, 0, 0};
    return visible_[static_cast<size_t>(frame)];
}

}  // namespace platform
