// Showing the drawing area: composing it onto the back buffer, reading it back, flipping and pacing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/codecs/ImageCodec.h"
#include "platform/os/SystemClock.h"
#include "platform/sdl/SdlGraphics.h"

namespace platform {
namespace {

// For measuring start-up from outside: the wall-clock time the first frame went to the screen, which a
// script compares with the time it started the program.
void LogFirstFrame() {
    if (!std::getenv("MURKWELL_DEBUG_LOG")) return;
    using namespace std::chrono;
    const auto since = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    std::fprintf(stderr, "First frame shown at %lld.%06lld\n", static_cast<long long>(since / 1000000),
                 static_cast<long long>(since % 1000000));
}

}  // namespace

void SdlGraphics::Compose() {
    SDL_SetRenderTarget(renderer_, nullptr);
    UpdateOutputSize();
    SDL_RenderSetClipRect(renderer_, nullptr);
    // The drawing area covers the whole back buffer, so nothing needs clearing first.
    SDL_RenderCopy(renderer_, target_, nullptr, nullptr);
}

PixelMap SdlGraphics::Grab(const Rect& area) {
    if (!renderer_ || !target_) return {};
    Compose();
    const int x0 = std::clamp(area.x, 0, outputW_), y0 = std::clamp(area.y, 0, outputH_);
    const int x1 = std::clamp(area.x + area.w, 0, outputW_), y1 = std::clamp(area.y + area.h, 0, outputH_);
    PixelMap out(std::max(x1 - x0, 0), std::max(y1 - y0, 0));
    if (!out.Empty()) {
        const SDL_Rect r{x0, y0, out.Width(), out.Height()};
        SDL_RenderReadPixels(renderer_, &r, SDL_PIXELFORMAT_RGBA32, out.Data(), out.Width() * 4);
        // The back buffer's own alpha means nothing: what is shown is opaque.
        for (int y = 0; y < out.Height(); ++y) {
            uint8_t* row = out.Row(y);
            for (int x = 0; x < out.Width(); ++x) row[x * 4 + 3] = 255;
        }
    }
    SDL_SetRenderTarget(renderer_, target_);
    SetViewport(viewport_);
    return out;
}

ImagePtr SdlGraphics::CaptureImage(const Rect& area) {
    if (!renderer_ || area.w <= 0 || area.h <= 0) return nullptr;
    PixelMap pixels(area.w, area.h);
    // Read from the drawing area as it stands, mid-frame: the render target stays where it is.
    const SDL_Rect r{area.x + static_cast<int>(std::lround(originX_)),
                     area.y + static_cast<int>(std::lround(originY_)), area.w, area.h};
    if (SDL_RenderReadPixels(renderer_, &r, SDL_PIXELFORMAT_RGBA32, pixels.Data(), area.w * 4) != 0)
        return nullptr;
    for (int y = 0; y < pixels.Height(); ++y) {
        uint8_t* row = pixels.Row(y);
        for (int x = 0; x < pixels.Width(); ++x) row[x * 4 + 3] = 255;
    }
    return LoadImage(pixels, 0);
}

void SdlGraphics::Flip(int sync) {
    if (!renderer_) return;
    if (!screenshotPath_.empty()) {
        std::string error;
        if (!SavePng(screenshotPath_, Grab({0, 0, outputW_, outputH_}), 6, false, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
        }
        screenshotPath_.clear();
    }
    const int wanted = sync == 0 ? 0 : 1;
    if (wanted != currentSync_) {
        SDL_RenderSetVSync(renderer_, wanted);
        currentSync_ = wanted;
    }
    Compose();
    SDL_RenderPresent(renderer_);
    if (!firstFrameShown_) {
        firstFrameShown_ = true;
        LogFirstFrame();
    }
    SDL_SetRenderTarget(renderer_, target_);
    SetViewport(viewport_);
    Pace(sync);
}

void SdlGraphics::Pace(int sync) {
    if (options_.frameClock) {
        options_.frameClock->Advance(kDeterministicFrameMs);
        return;
    }
    if (!options_.pace || sync == 0) return;
    using namespace std::chrono;
    const auto interval =
        duration_cast<steady_clock::duration>(duration<double>(1.0 / (refresh_ > 0 ? refresh_ : 60)));
    const auto now = steady_clock::now();
    // After a stall, start counting again from now rather than rushing to catch up.
    if (nextFrame_.time_since_epoch().count() == 0 || now > nextFrame_ + 2 * interval) {
        nextFrame_ = now;
    } else if (now < nextFrame_) {
        std::this_thread::sleep_until(nextFrame_);
    }
    nextFrame_ += interval;
}

}  // namespace platform
