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
      width_(pixels_.Width()),
      height_(pixels_.Height()),
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
    DropTexture();
}

void SdlImage::DropTexture() {
    if (cache_) cache_->Forget(*this);
    cache_ = nullptr;
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
}

void SdlImage::Release() {
    if (texture_ && pixels_.Empty()) {
        PixelMap back(width_, height_);
        std::vector<uint32_t> argb;
        if (ReadArgb({0, 0, width_, height_}, argb)) {
            SDL_ConvertPixels(width_, height_, SDL_PIXELFORMAT_ARGB8888, argb.data(), width_ * 4,
                              SDL_PIXELFORMAT_RGBA32, back.Data(), width_ * 4);
        }
        pixels_ = std::move(back);
    }
    DropTexture();
}

bool SdlImage::Upload(SDL_Renderer* renderer, SdlTransformCache* cache, bool inMemory) {
    Release();
    if (!renderer || pixels_.Empty()) return false;
    // The renderers' own layout, so that drawing copies pixels instead of reordering their bytes each
    // frame (the software renderer blits without conversion then). A texture that can be locked gives
    // its pixels back.
    texture_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                 inMemory ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC, width_,
                                 height_);
    if (!texture_) return false;
    std::vector<uint8_t> converted(static_cast<size_t>(width_) * height_ * 4);
    SDL_ConvertPixels(width_, height_, SDL_PIXELFORMAT_RGBA32, pixels_.Data(), width_ * 4,
                      SDL_PIXELFORMAT_ARGB8888, converted.data(), width_ * 4);
    SDL_UpdateTexture(texture_, nullptr, converted.data(), width_ * 4);
    SDL_SetTextureScaleMode(texture_, Filtered() ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_BLEND);
    cache_ = cache;
    if (inMemory) pixels_ = PixelMap();
    return true;
}

bool SdlImage::ReadArgb(const SDL_Rect& area, std::vector<uint32_t>& out) const {
    if (area.x < 0 || area.y < 0 || area.w <= 0 || area.h <= 0 || area.x + area.w > width_ ||
        area.y + area.h > height_) {
        return false;
    }
    out.resize(static_cast<size_t>(area.w) * area.h);
    if (!pixels_.Empty()) {
        const uint8_t* first = pixels_.Row(area.y) + static_cast<size_t>(area.x) * 4;
        return SDL_ConvertPixels(area.w, area.h, SDL_PIXELFORMAT_RGBA32, first, width_ * 4,
                                 SDL_PIXELFORMAT_ARGB8888, out.data(), area.w * 4) == 0;
    }
    // Locking a texture of the software renderer hands out its memory; nothing is copied or uploaded.
    void* locked = nullptr;
    int pitch = 0;
    if (!texture_ || SDL_LockTexture(texture_, &area, &locked, &pitch) != 0) return false;
    for (int y = 0; y < area.h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(locked) +
                                                            static_cast<size_t>(y) * pitch);
        std::copy(row, row + area.w, out.begin() + static_cast<ptrdiff_t>(y) * area.w);
    }
    SDL_UnlockTexture(texture_);
    return true;
}

bool SdlImage::Source(int frame, SDL_Rect& out) const {
    if (frame < 0 || frame >= Frames()) return false;
    Rect r;
    if (!FrameRect(width_, height_, cellW_, cellH_, first_, frame, r)) return false;
    out = {r.x, r.y, r.w, r.h};
    return true;
}

SDL_Rect SdlImage::Visible(int frame) const {
    if (frame < 0 || frame >= static_cast<int>(visible_.size())) return {0, 0, 0, 0};
    return visible_[static_cast<size_t>(frame)];
}

}  // namespace platform
