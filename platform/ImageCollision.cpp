#include "platform/ImageCollision.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "platform/Graphics.h"

namespace platform {

bool ImageCollision::BoxOf(const Image& image, const Placement& at, Box& out) {
    const float w = image.Width() * at.scaleX, h = image.Height() * at.scaleY;
    if (w == 0 || h == 0 || !std::isfinite(w) || !std::isfinite(h)) return false;
    // The frame's corners relative to the drawing point, then turned about it.
    const float left = -image.HandleX() * at.scaleX, top = -image.HandleY() * at.scaleY;
    const double radians = at.rotation * std::numbers::pi / 180.0;
    const float c = static_cast<float>(std::cos(radians)), s = static_cast<float>(std::sin(radians));
    out = {INFINITY, INFINITY, -INFINITY, -INFINITY};
    const std::array<std::pair<float, float>, 4> corners{
        {{left, top}, {left + w, top}, {left, top + h}, {left + w, top + h}}};
    for (const auto& [cx, cy] : corners) {
        const float px = at.x + cx * c - cy * s, py = at.y + cx * s + cy * c;
        out.left = std::min(out.left, px);
        out.right = std::max(out.right, px);
        out.top = std::min(out.top, py);
        out.bottom = std::max(out.bottom, py);
    }
    return std::isfinite(out.left) && std::isfinite(out.top) && std::isfinite(out.right) &&
           std::isfinite(out.bottom);
}

void ImageCollision::Add(const Image& image, const Placement& at, uint32_t layers, const void* owner) {
    Box box;
    if (layers == 0 || !BoxOf(image, at, box)) return;
    entries_.push_back({box, layers, owner});
}

std::vector<const void*> ImageCollision::Collide(const Image& image, const Placement& at,
                                                 uint32_t layers) const {
    std::vector<const void*> owners;
    Box box;
    if (layers == 0 || !BoxOf(image, at, box)) return owners;
    for (const Entry& e : entries_) {
        if (!(e.layers & layers)) continue;
        if (e.box.left >= box.right || box.left >= e.box.right || e.box.top >= box.bottom ||
            box.top >= e.box.bottom) {
            continue;
        }
        if (std::find(owners.begin(), owners.end(), e.owner) == owners.end()) owners.push_back(e.owner);
    }
    return owners;
}

void ImageCollision::Clear(uint32_t layers) {
    for (Entry& e : entries_) e.layers &= ~layers;
    std::erase_if(entries_, [](const Entry& e) { return e.layers == 0; });
}

}  // namespace platform
