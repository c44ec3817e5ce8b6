#pragma once

#include <cstdint>
#include <vector>

namespace platform {

class Image;

// The image collision test. Pictures are registered on collision layers (bits of a mask) where they are
// drawn, and a picture is then tested against what chosen layers hold. A picture covers the rectangle of
// one frame placed by the image's handle and stretched by the scale it is drawn with; a turned picture
// covers the upright box around its turned rectangle. Images carry no pixels on every backend, so the test
// is by these boxes: two pictures collide when their boxes overlap (touching edges do not).
class ImageCollision {
public:
    // Where and how a picture is drawn.
    struct Placement {
        float x = 0, y = 0;
        float scaleX = 1, scaleY = 1;
        float rotation = 0;  // degrees, clockwise
    };

    // Registers a picture on the layers of the mask, with the object it stands for (handed back by
    // Collide). Nothing is registered for no layers or a picture of no size.
    void Add(const Image& image, const Placement& at, uint32_t layers, const void* owner);
    // The objects of the pictures on any of the layers that the picture overlaps, in the order they were
    // registered, each once.
    std::vector<const void*> Collide(const Image& image, const Placement& at, uint32_t layers) const;
    // Forgets the pictures on the layers of the mask (a picture on other layers too stays on those).
    void Clear(uint32_t layers);
    int Count() const { return static_cast<int>(entries_.size()); }

private:
    struct Box {
        float left, top, right, bottom;
    };
    struct Entry {
        Box box;
        uint32_t layers;
        const void* owner;
    };
    static bool BoxOf(const Image& image, const Placement& at, Box& out);

    std::vector<Entry> entries_;
};

}  // namespace platform
