#include "platform/sdl/SdlImage.h"

#include <utility>
#include <vector>

namespace platform {

SdlImage::SdlImage(PixelMap pixels, int cellW, int cellH, int first, int frames, int flags)
    : Image(cellW, cellH, frames),
      pixels_(std::move(pixels)),
      cellW_(cellW),
      cellH_(cellH),
      first_(first),
      flags_(flags) {}

SdlImage::~SdlImage() {
    Release();
}

void SdlImage::Release() {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
}

bool SdlImage::Upload(SDL_Renderer* renderer) {
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
    SDL_SetTextureScaleMode(texture_, (flags_ & kImageFiltered) ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_BLEND);
    return true;
}

bool SdlImage::Source(int frame, SDL_Rect& out) const {
    if (frame < 0 || frame >= Frames()) return false;
    Rect r;
    if (!FrameRect(pixels_.Width(), pixels_.Height(), cellW_, cellH_, first_, frame, r)) return false;
    out = {r.x, r.y, r.w, r.h};
    return true;
}

}  // namespace platform
