#pragma once

#include <SDL.h>

#include "platform/Graphics.h"

namespace platform {

// An image as the SDL renderer holds it: one texture for the whole strip, and the pixels it came from so
// the texture can be made again when the renderer is replaced (driver change, lost device).
class SdlImage : public Image {
public:
    SdlImage(PixelMap pixels, int cellW, int cellH, int first, int frames, int flags);
    ~SdlImage() override;

    // Makes the texture for the renderer, dropping any texture made for an earlier one.
    bool Upload(SDL_Renderer* renderer);
    void Release();
    SDL_Texture* Texture() const { return texture_; }
    // The source rectangle of a frame; false for a frame the image does not have.
    bool Source(int frame, SDL_Rect& out) const;

private:
    PixelMap pixels_;
    int cellW_;
    int cellH_;
    int first_;
    int flags_;
    SDL_Texture* texture_ = nullptr;
};

}  // namespace platform
