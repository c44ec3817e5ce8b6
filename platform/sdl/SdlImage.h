#pragma once

#include <SDL.h>

#include <vector>

#include "platform/Graphics.h"

namespace platform {

class SdlTransformCache;

// An image as the SDL renderer holds it: one texture for the whole strip, and the pixels it came from so
// the texture can be made again when the renderer is replaced (driver change, lost device), and so that
// turned and scaled copies of it can be made by the transform cache. A renderer that keeps its textures
// in memory (SDL's software renderer) holds the only copy of the pixels: a second would double the
// memory every picture costs.
class SdlImage : public Image {
public:
    SdlImage(PixelMap pixels, int cellW, int cellH, int first, int frames, int flags);
    ~SdlImage() override;
    SdlImage(const SdlImage&) = delete;
    SdlImage& operator=(const SdlImage&) = delete;

    // Makes the texture for the renderer, dropping any texture made for an earlier one. The cache, when
    // given, is told when this image's texture goes, so that it drops its copies of it. With inMemory
    // (a renderer whose textures are plain memory) the texture keeps the pixels and no copy is kept here.
    bool Upload(SDL_Renderer* renderer, SdlTransformCache* cache = nullptr, bool inMemory = false);
    // Drops the texture, taking the pixels back from it first when it held the only copy.
    void Release();
    SDL_Texture* Texture() const { return texture_; }
    // The source rectangle of a frame; false for a frame the image does not have.
    bool Source(int frame, SDL_Rect& out) const;
    // The part of a frame's rectangle that has any pixel with alpha above zero, grown by one pixel on
    // each side (within the frame) so that filtering at its edge reads only transparent pixels beyond
    // it. Empty when the frame is wholly transparent.
    SDL_Rect Visible(int frame) const;
    // The pixels of area (inside the image) as ARGB8888 values, row after row; false when they cannot
    // be read.
    bool ReadArgb(const SDL_Rect& area, std::vector<uint32_t>& out) const;
    bool Filtered() const { return (flags_ & kImageFiltered) != 0; }

private:
    void DropTexture();

    PixelMap pixels_;  // empty while the texture holds the only copy
    int width_;
    int height_;
    int cellW_;
    int cellH_;
    int first_;
    int flags_;
    std::vector<SDL_Rect> visible_;
    SDL_Texture* texture_ = nullptr;
    SdlTransformCache* cache_ = nullptr;
};

}  // namespace platform
