#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

namespace platform {

class SdlImage;

// How a draw places a part of an image: the image pixel position (pivotX, pivotY) lands on the drawing
// point (atX, atY), and the part is scaled about it by scaleX, scaleY (a negative scale mirrors) and then
// turned clockwise by degrees about it.
struct PictureTransform {
    float pivotX = 0, pivotY = 0;
    float atX = 0, atY = 0;
    float scaleX = 1, scaleY = 1;
    float degrees = 0;
};

// A colour and alpha that multiply the picture's own, made part of the picture.
struct Tint {
    uint8_t r = 255, g = 255, b = 255, a = 255;
    bool operator==(const Tint&) const = default;
    bool White() const { return r == 255 && g == 255 && b == 255 && a == 255; }
};

// The scale and angle a draw is made at, rounded so that a slowly turning or pulsing picture comes back
// to a picture already made. reach is how far (in image pixels) the part reaches from its pivot; the
// steps are chosen so that no pixel of the part moves more than half a pixel on the screen: the scale
// in steps of 1/(2 × reach), moving it at most a quarter of a pixel, the angle in steps of at most
// 1/(2 × reach × scale) radians, moving it at most another quarter, a whole number of them to the eighth
// of a turn, so that upright and quarter turns are exact.
struct RoundedTransform {
    float scaleX = 1, scaleY = 1;
    float degrees = 0;
    int turnStep = 0;   // the angle is turnStep steps of 360 / turnSteps degrees
    int turnSteps = 8;  // a multiple of eight
};
RoundedTransform RoundTransform(float scaleX, float scaleY, float degrees, float reach);

// How the copies are blended onto the screen.
enum class CopyBlend { Alpha, Add };

// The tint rounded to 64 levels of each of colour and alpha (at most two levels of 255 off), so that
// fading and shading pictures come back to copies already made; white and opaque stay exact.
Tint RoundTint(Tint tint);

// Turned, scaled, mirrored and tinted copies of images' frames for SDL's software renderer, which turns
// and scales pictures slowly and anew on every draw, and blends tinted ones slowly too. A copy is made
// once by bilinear filtering (nearest pixel for images loaded unfiltered) of the image's own pixels, with
// straight alpha as the images have and the tint multiplied in, and is then drawn by a plain copy,
// unturned, unscaled and untinted.
//
// The copies live in slots of a few large textures, pages, each of slots of one size and of one kind:
// the software renderer keeps a list of everything ever blitted onto the drawing area and walks it
// whenever a texture is destroyed or its blending changes, so making and dropping a texture for every
// copy would cost more than the turning saved, and no page's blending ever changes. The renderer blends
// tinted pictures several times slower than plain ones, so the tint is made part of the copy; only
// added light, which the renderer blends slowly either way, fades through the alpha of pages kept for
// faded light, so that a fading spark is not made again at every step. Pages are made as they are needed
// within a budget of bytes; when no page has room, the least recently drawn copies go first. The cache
// belongs to one renderer and holds its textures: it must go, or be cleared, before the renderer does.
class SdlTransformCache {
public:
    static constexpr size_t kDefaultBudget = size_t{32} << 20;
    // The side of the largest slot; a larger copy is not made (making it again would cost more than a
    // frame's drawing when its transform changes every frame, as a zooming background's does): the
    // caller draws the old way.
    static constexpr int kLargestCopy = 512;

    SdlTransformCache(SDL_Renderer* renderer, size_t budgetBytes);
    ~SdlTransformCache();
    SdlTransformCache(const SdlTransformCache&) = delete;
    SdlTransformCache& operator=(const SdlTransformCache&) = delete;

    // Where and from what to draw: a plain copy of src of texture onto dst, or nothing when texture is
    // null (the part has no visible pixel). The texture's blending is set; its colour and alpha
    // modulation are white and opaque and must stay so.
    struct Placement {
        SDL_Texture* texture = nullptr;
        SDL_Rect src{0, 0, 0, 0};
        SDL_Rect dst{0, 0, 0, 0};
    };
    // The copy of the part of the frame (given in image pixels, inside the frame) drawn with the
    // transform and the tint (rounded by RoundTint). The pivot lands on the corner of a pixel nearest to
    // where the transform puts it. False when the cache cannot serve the draw (a copy too large, a transform
    // that is not finite, no room or no texture to be had): the caller draws the old way then. The copies are
    // cut to the part's visible pixels, which only the blends here allow.
    bool Place(const SdlImage& image, int frame, const SDL_Rect& part, const PictureTransform& transform,
               Tint tint, CopyBlend blend, Placement& out);

    // Drops every copy of the image (its texture is going or the image is).
    void Forget(const SdlImage& image);
    // Drops every copy and page (the renderer's textures were lost).
    void Clear();

    size_t Entries() const { return lru_.size(); }
    size_t Pages() const { return pages_.size(); }
    // The bytes of the pages made.
    size_t Bytes() const { return bytes_; }
    size_t PeakBytes() const { return peakBytes_; }
    size_t Budget() const { return budget_; }
    uint64_t Made() const { return made_; }
    uint64_t Hits() const { return hits_; }
    // The bytes of the page a copy of w × h pixels goes in.
    static size_t PageBytes(int w, int h);

private:
    enum class PageKind { Alpha, Add, FadedAdd };
    struct Key {
        const SdlImage* image;
        int x, y, w, h;  // the part cut to its visible pixels
        float pivotX, pivotY;
        float scaleX, scaleY, degrees;
        uint32_t tint;
        PageKind kind;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& k) const;
    };
    struct Page {
        SDL_Texture* texture;
        int sizeClass;
        PageKind kind;
        int columns;
        std::vector<int> free;  // slots
        int used = 0;
    };
    struct Entry {
        Key key;
        Page* page;
        int slot;
        SDL_Rect src;          // in the page
        int offsetX, offsetY;  // of the copy's top-left corner from the pivot
    };
    using List = std::list<Entry>;

    // Makes the copy for the key, turned by the angle whose cosine and sine are c and s.
    Entry* Make(const SdlImage& image, const Key& key, double c, double s);
    // A free slot of the size class and kind, making a page or dropping the least recently drawn copies
    // for it; false when none can be had.
    bool Slot(int sizeClass, PageKind kind, Page*& page, int& slot);
    void Drop(List::iterator it);
    void DropPage(Page* page);

    SDL_Renderer* renderer_;
    size_t budget_;
    List lru_;  // the most recently drawn first
    std::unordered_map<Key, List::iterator, KeyHash> index_;
    std::vector<std::unique_ptr<Page>> pages_;
    size_t bytes_ = 0;
    size_t peakBytes_ = 0;
    uint64_t made_ = 0;
    uint64_t hits_ = 0;
};

}  // namespace platform
