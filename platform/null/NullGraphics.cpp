#include "platform/null/NullGraphics.h"

#include <algorithm>

namespace platform {
namespace {

class NullImage : public Image {
public:
    NullImage(int w, int h, int frames) : Image(w, h, frames) {}
};

}  // namespace

void NullGraphics::SetDriverAvailable(Driver driver, bool available) {
    available_[static_cast<int>(driver)] = available;
}

bool NullGraphics::DriverAvailable(Driver driver) {
    return available_[static_cast<int>(driver)];
}

bool NullGraphics::ModeExists(int width, int height, int depth) {
    if (width == desktop_.width && height == desktop_.height && depth == desktop_.depth) return true;
    return std::any_of(modes_.begin(), modes_.end(), [&](const DisplayMode& m) {
        return m.width == width && m.height == height && m.depth == depth;
    });
}

bool NullGraphics::Open(const WindowSpec& spec, std::string& error) {
    if (failNextOpen_) {
        failNextOpen_ = false;
        open_ = false;
        error = "Cannot open a window: refused by the test";
        return false;
    }
    lastSpec_ = spec;
    title_ = spec.title;
    open_ = true;
    virtualW_ = virtualH_ = 0;
    viewport_ = {0, 0, spec.width, spec.height};
    return true;
}

void NullGraphics::SetVirtualResolution(int width, int height) {
    virtualW_ = std::max(width, 0);
    virtualH_ = std::max(height, 0);
    viewport_ = {0, 0, DrawingWidth(), DrawingHeight()};
}

int NullGraphics::DrawingWidth() const {
    return virtualW_ > 0 ? virtualW_ : OutputWidth();
}
int NullGraphics::DrawingHeight() const {
    return virtualH_ > 0 ? virtualH_ : OutputHeight();
}

ImagePtr NullGraphics::LoadImage(const PixelMap& pixels, int flags) {
    return LoadAnimImage(pixels, pixels.Width(), pixels.Height(), 0, 1, flags);
}

ImagePtr NullGraphics::LoadAnimImage(const PixelMap& pixels, int cellW, int cellH, int first, int count,
                                     int) {
    if (!StripHolds(pixels, cellW, cellH, first, count)) return nullptr;
    return std::make_shared<NullImage>(cellW, cellH, count);
}

ImagePtr NullGraphics::CaptureImage(const Rect& area) {
    return LoadImage(PixelMap(std::max(area.w, 1), std::max(area.h, 1), {0, 0, 0, 255}), 0);
}

PixelMap NullGraphics::Grab(const Rect& area) {
    const int x0 = std::clamp(area.x, 0, OutputWidth()), y0 = std::clamp(area.y, 0, OutputHeight());
    const int x1 = std::clamp(area.x + area.w, 0, OutputWidth()),
              y1 = std::clamp(area.y + area.h, 0, OutputHeight());
    return PixelMap(x1 - x0, y1 - y0, {0, 0, 0, 255});
}

void NullGraphics::Flip(int sync) {
    lastSync_ = sync;
    ++counts_.flips;
    if (frameClock_) frameClock_->Advance(kDeterministicFrameMs);
}

}  // namespace platform
