#include "platform/sdl/SdlGraphics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/codecs/ImageCodec.h"
#include "platform/os/SystemClock.h"
#include "platform/sdl/SdlImage.h"

namespace platform {
namespace {

constexpr double kDeterministicFrameMs = 1000.0 / 60.0;

int RenderDriverIndex(const char* name) {
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, name) == 0) return i;
    }
    return -1;
}

bool VideoIsDummy() {
    const char* name = SDL_GetCurrentVideoDriver();
    return name && std::strcmp(name, "dummy") == 0;
}

// Software OpenGL (Mesa's llvmpipe and friends, common in virtual machines) costs several times the
// processor time and memory of SDL's own software renderer for the same picture.
bool RendererIsSoftwareGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0) return false;
    using GetString = const unsigned char* (*)(unsigned int);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (!getString) return false;
    const unsigned char* name = getString(0x1F01 /* GL_RENDERER */);
    if (!name) return false;
    const std::string text(reinterpret_cast<const char*>(name));
    return text.find("llvmpipe") != std::string::npos || text.find("softpipe") != std::string::npos ||
           text.find("Software Rasterizer") != std::string::npos;
}

uint8_t ClampByte(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

// Four bytes a pixel is what the framework calls 32-bit colour, whatever SDL counts as padding.
int DepthOf(Uint32 format) {
    return static_cast<int>(SDL_BYTESPERPIXEL(format)) * 8;
}

}  // namespace

SdlGraphics::SdlGraphics(SdlGraphicsOptions options) : options_(options) {
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
}

SdlGraphics::~SdlGraphics() {
    Close();
}

bool SdlGraphics::DriverAvailable(Driver driver) {
    switch (driver) {
        case Driver::Direct3D9:
            return SDL_GetNumRenderDrivers() > 0;
        case Driver::Direct3D7:
            return RenderDriverIndex("software") >= 0;
        case Driver::OpenGL:
            return !VideoIsDummy() && RenderDriverIndex("opengl") >= 0;
    }
    return false;
}

std::string SdlGraphics::DirectXVersion() {
    if (VideoIsDummy()) return "";
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && (info.flags & SDL_RENDERER_ACCELERATED)) return "9.0c";
    }
    return "";
}

std::vector<DisplayMode> SdlGraphics::DisplayModes() {
    std::vector<DisplayMode> modes;
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) != 0) continue;
        DisplayMode mode{m.w, m.h, DepthOf(m.format), m.refresh_rate};
        if (std::find(modes.begin(), modes.end(), mode) == modes.end()) modes.push_back(mode);
    }
    return modes;
}

bool SdlGraphics::ModeExists(int width, int height, int depth) {
    const DisplayMode desktop = Desktop();
    // Full screen at the desktop's own size needs no mode change at all.
    if (desktop.width == width && desktop.height == height && depth == desktop.depth) return true;
    for (const DisplayMode& m : DisplayModes()) {
        if (m.width == width && m.height == height && m.depth == depth) return true;
    }
    return false;
}

DisplayMode SdlGraphics::Desktop() {
    SDL_DisplayMode m;
    if (SDL_GetDesktopDisplayMode(0, &m) != 0) return {1024, 768, 32, 60};
    return {m.w, m.h, DepthOf(m.format), m.refresh_rate > 0 ? m.refresh_rate : 60};
}

std::string SdlGraphics::VideoDriverName() {
    const char* name = SDL_GetCurrentVideoDriver();
    return name ? name : "";
}

bool SdlGraphics::Open(const WindowSpec& spec, std::string& error) {
    Close();
    Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI;
    const DisplayMode desktop = Desktop();
    const bool fullScreen = spec.depth > 0;
    if (fullScreen) {
        flags |= (spec.width == desktop.width && spec.height == desktop.height)
                     ? SDL_WINDOW_FULLSCREEN_DESKTOP
                     : SDL_WINDOW_FULLSCREEN;
    } else if (spec.borderless) {
        flags |= SDL_WINDOW_BORDERLESS;
    }
    const int position = (spec.borderless && !fullScreen) ? 0 : SDL_WINDOWPOS_CENTERED;
    window_ = SDL_CreateWindow(spec.title.c_str(), position, position, spec.width, spec.height, flags);
    if (!window_) {
        error = std::string("Cannot open a window: ") + SDL_GetError();
        return false;
    }
    if ((flags & SDL_WINDOW_FULLSCREEN) == SDL_WINDOW_FULLSCREEN) {
        SDL_DisplayMode wanted{SDL_PIXELFORMAT_UNKNOWN, spec.width, spec.height, spec.hertz, nullptr};
        SDL_DisplayMode closest;
        if (SDL_GetClosestDisplayMode(0, &wanted, &closest)) SDL_SetWindowDisplayMode(window_, &closest);
    }
    if (!CreateRenderer(error)) {
        Close();
        return false;
    }
    SDL_DisplayMode current;
    refresh_ = SDL_GetWindowDisplayMode(window_, &current) == 0 ? current.refresh_rate : 0;
    UpdateOutputSize();
    virtualW_ = virtualH_ = 0;
    if (!MakeTarget()) {
        error = std::string("Cannot create the drawing area: ") + SDL_GetError();
        Close();
        return false;
    }
    for (auto& weak : images_) {
        if (auto image = weak.lock()) image->Upload(renderer_, cache_.get());
    }
    nextFrame_ = {};
    return true;
}

bool SdlGraphics::CreateRenderer(std::string& error) {
    const Uint32 flags = SDL_RENDERER_TARGETTEXTURE | SDL_RENDERER_PRESENTVSYNC;
    int index = -1;
    if (driver_ == Driver::Direct3D7) index = RenderDriverIndex("software");
    if (driver_ == Driver::OpenGL) index = RenderDriverIndex("opengl");
    if (index == -1 && driver_ != Driver::Direct3D9) {
        error = "The chosen renderer is not available";
        return false;
    }
    renderer_ = SDL_CreateRenderer(window_, index, flags);
    if (renderer_ && driver_ == Driver::Direct3D9 && RendererIsSoftwareGl(renderer_)) {
        SDL_DestroyRenderer(renderer_);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        renderer_ = SDL_CreateRenderer(window_, RenderDriverIndex("software"), flags);
    }
    if (!renderer_ && driver_ == Driver::Direct3D9) {
        renderer_ = SDL_CreateRenderer(window_, RenderDriverIndex("software"), flags);
    }
    if (!renderer_) {
        error = std::string("Cannot create a renderer: ") + SDL_GetError();
        return false;
    }
    rendererDriver_ = driver_;
    currentSync_ = 1;
    SDL_RendererInfo info;
    software_ = SDL_GetRendererInfo(renderer_, &info) == 0 && std::strcmp(info.name, "software") == 0;
    if (software_ && options_.transformCacheBytes > 0) {
        cache_ = std::make_unique<SdlTransformCache>(renderer_, options_.transformCacheBytes);
    }
    return true;
}

void SdlGraphics::DestroyRenderer() {
    for (auto& weak : images_) {
        if (auto image = weak.lock()) image->Release();
    }
    // The copies are the renderer's textures: they go before it does.
    cache_.reset();
    if (target_) SDL_DestroyTexture(target_);
    target_ = nullptr;
    if (renderer_) SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
}

void SdlGraphics::Close() {
    DestroyRenderer();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    outputW_ = outputH_ = 0;
}

// Only while no render target is set: SDL reports the target's size otherwise.
void SdlGraphics::UpdateOutputSize() {
    if (renderer_) SDL_GetRendererOutputSize(renderer_, &outputW_, &outputH_);
}

bool SdlGraphics::MakeTarget() {
    if (!renderer_) return false;
    if (target_) SDL_DestroyTexture(target_);
    drawW_ = virtualW_ > 0 ? virtualW_ : std::max(outputW_, 1);
    drawH_ = virtualH_ > 0 ? virtualH_ : std::max(outputH_, 1);
    // The software renderer blends onto a drawing area without alpha faster, and copies it onto a back
    // buffer of the same layout without converting a pixel; what the area's alpha holds is never shown.
    const Uint32 format = software_ && SDL_GetWindowPixelFormat(window_) == SDL_PIXELFORMAT_RGB888
                              ? SDL_PIXELFORMAT_RGB888
                              : SDL_PIXELFORMAT_ARGB8888;
    target_ = SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_TARGET, drawW_, drawH_);
    if (!target_) return false;
    SDL_SetTextureBlendMode(target_, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(target_, SDL_ScaleModeLinear);
    SDL_SetRenderTarget(renderer_, target_);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SetViewport({0, 0, drawW_, drawH_});
    return true;
}

void SdlGraphics::RestoreTextures() {
    if (!renderer_) return;
    // Keep what the viewport and origin were: only the textures were lost.
    const Rect viewport = viewport_;
    MakeTarget();
    SetViewport(viewport);
    if (cache_) cache_->Clear();
    for (auto& weak : images_) {
        if (auto image = weak.lock()) image->Upload(renderer_, cache_.get());
    }
}

void SdlGraphics::SetVirtualResolution(int width, int height) {
    virtualW_ = std::max(width, 0);
    virtualH_ = std::max(height, 0);
    if (renderer_) MakeTarget();
}

void SdlGraphics::SetViewport(const Rect& viewport) {
    viewport_ = viewport;
    if (!renderer_) return;
    const SDL_Rect clip{viewport.x, viewport.y, std::max(viewport.w, 0), std::max(viewport.h, 0)};
    SDL_RenderSetClipRect(renderer_, &clip);
}

void SdlGraphics::SetOrigin(float x, float y) {
    originX_ = x;
    originY_ = y;
}

void SdlGraphics::SetClsColor(int r, int g, int b) {
    clsR_ = ClampByte(r);
    clsG_ = ClampByte(g);
    clsB_ = ClampByte(b);
}

void SdlGraphics::SetColor(int r, int g, int b) {
    red_ = ClampByte(r);
    green_ = ClampByte(g);
    blue_ = ClampByte(b);
}

void SdlGraphics::SetAlpha(float alpha) {
    alpha_ = std::clamp(alpha, 0.0f, 1.0f);
}

void SdlGraphics::SetScale(float x, float y) {
    scaleX_ = x;
    scaleY_ = y;
}

ImagePtr SdlGraphics::LoadImage(const PixelMap& pixels, int flags) {
    return LoadAnimImage(pixels, pixels.Width(), pixels.Height(), 0, 1, flags);
}

ImagePtr SdlGraphics::LoadAnimImage(const PixelMap& pixels, int cellW, int cellH, int first, int count,
                                    int flags) {
    if (!StripHolds(pixels, cellW, cellH, first, count)) return nullptr;
    PixelMap copy = pixels;
    if (flags & kImageFiltered) copy.BleedIntoTransparent();
    auto image = std::make_shared<SdlImage>(std::move(copy), cellW, cellH, first, count, flags);
    if (renderer_ && !image->Upload(renderer_, cache_.get())) return nullptr;
    std::erase_if(images_, [](const std::weak_ptr<SdlImage>& w) { return w.expired(); });
    images_.push_back(image);
    return image;
}

SDL_BlendMode SdlGraphics::SdlBlend() const {
    switch (blend_) {
        case BlendMode::Solid:
            return SDL_BLENDMODE_NONE;
        case BlendMode::Light:
            return SDL_BLENDMODE_ADD;
        case BlendMode::Shade:
            return SDL_BLENDMODE_MOD;
        case BlendMode::Mask:
        case BlendMode::Alpha:
            return SDL_BLENDMODE_BLEND;
    }
    return SDL_BLENDMODE_BLEND;
}

void SdlGraphics::ApplyBlend(SDL_Texture* texture) {
    SDL_SetTextureColorMod(texture, red_, green_, blue_);
    SDL_SetTextureAlphaMod(texture, blend_ == BlendMode::Solid ? 255 : ClampByte(std::lround(alpha_ * 255)));
    SDL_SetTextureBlendMode(texture, SdlBlend());
}

void SdlGraphics::Cls() {
    if (!renderer_) return;
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer_, clsR_, clsG_, clsB_, 255);
    const SDL_Rect area{viewport_.x, viewport_.y, viewport_.w, viewport_.h};
    SDL_RenderFillRect(renderer_, &area);
}

void SdlGraphics::DrawTexturePart(const SdlImage& image, int frame, const SDL_Rect& src, float x, float y,
                                  float w, float h, float hx, float hy) {
    SDL_Texture* texture = image.Texture();
    if (!texture) return;
    const float ax = std::fabs(scaleX_), ay = std::fabs(scaleY_);
    int flip = SDL_FLIP_NONE;
    // A negative scale mirrors the picture about the handle.
    SDL_FPoint centre{hx * ax, hy * ay};
    if (scaleX_ < 0) {
        centre.x = (w - hx) * ax;
        flip |= SDL_FLIP_HORIZONTAL;
    }
    if (scaleY_ < 0) {
        centre.y = (h - hy) * ay;
        flip |= SDL_FLIP_VERTICAL;
    }
    const SDL_FRect dst{x + originX_ - centre.x, y + originY_ - centre.y, w * ax, h * ay};
    const bool upright = rotation_ == 0 && flip == SDL_FLIP_NONE;
    // The software renderer turns, scales and tints every such copy anew, slowly: the cache keeps them
    // made.
    if (cache_ &&
        DrawCached(image, frame, src, dst, upright && dst.w == src.w && dst.h == src.h, x, y, w, h, hx, hy)) {
        return;
    }
    ApplyBlend(texture);
    // An upright, unmirrored picture takes the plain copy: the software renderer turns every other copy
    // through a picture of its own, many times slower.
    if (upright) {
        SDL_RenderCopyF(renderer_, texture, &src, &dst);
        return;
    }
    SDL_RenderCopyExF(renderer_, texture, &src, &dst, rotation_, &centre,
                      static_cast<SDL_RendererFlip>(flip));
}

bool SdlGraphics::DrawCached(const SdlImage& image, int frame, const SDL_Rect& src, const SDL_FRect& dst,
                             bool plain, float x, float y, float w, float h, float hx, float hy) {
    // The copies are cut to the visible pixels, which only blending that leaves the screen alone under
    // transparent pixels allows.
    CopyBlend blend;
    if (blend_ == BlendMode::Alpha || blend_ == BlendMode::Mask) {
        blend = CopyBlend::Alpha;
    } else if (blend_ == BlendMode::Light) {
        blend = CopyBlend::Add;
    } else {
        return false;
    }
    const Tint tint{red_, green_, blue_, ClampByte(std::lround(alpha_ * 255))};
    PictureTransform transform;
    if (plain) {
        // An untinted plain copy is as fast as it gets already; a tinted one is worth a copy when small
        // (a large one fading would be made again at every step).
        if (tint.White() || src.w * src.h > kLargestTintedPlain) return false;
        // Exactly where the renderer's own copy goes: its corner on the whole pixel the renderer cuts
        // the position down to.
        transform.pivotX = static_cast<float>(src.x);
        transform.pivotY = static_cast<float>(src.y);
        transform.atX = std::trunc(dst.x);
        transform.atY = std::trunc(dst.y);
    } else {
        // The renderer draws nothing of a picture stretched to nothing or less.
        if (w <= 0 || h <= 0) return true;
        transform.pivotX = src.x + hx * src.w / w;
        transform.pivotY = src.y + hy * src.h / h;
        transform.atX = x + originX_;
        transform.atY = y + originY_;
        transform.scaleX = scaleX_ * w / src.w;
        transform.scaleY = scaleY_ * h / src.h;
        transform.degrees = rotation_;
    }
    SdlTransformCache::Placement placed;
    if (!cache_->Place(image, frame, src, transform, tint, blend, placed)) return false;
    if (placed.texture) SDL_RenderCopy(renderer_, placed.texture, &placed.src, &placed.dst);
    return true;
}

void SdlGraphics::DrawImage(const Image& image, float x, float y, int frame) {
    DrawImageRect(image, x, y, static_cast<float>(image.Width()), static_cast<float>(image.Height()), frame);
}

void SdlGraphics::DrawImageRect(const Image& image, float x, float y, float w, float h, int frame) {
    const auto& img = static_cast<const SdlImage&>(image);
    SDL_Rect src;
    if (!renderer_ || !img.Source(frame, src)) return;
    // The handle is given in frame pixels; a stretched draw stretches it too.
    DrawTexturePart(img, frame, src, x, y, w, h, img.HandleX() * w / src.w, img.HandleY() * h / src.h);
}

void SdlGraphics::DrawSubImageRect(const Image& image, float x, float y, float w, float h, float sx, float sy,
                                   float sw, float sh, int frame) {
    const auto& img = static_cast<const SdlImage&>(image);
    SDL_Rect whole;
    if (!renderer_ || !img.Source(frame, whole) || sw <= 0 || sh <= 0) return;
    const SDL_Rect src{whole.x + static_cast<int>(std::lround(sx)),
                       whole.y + static_cast<int>(std::lround(sy)), static_cast<int>(std::lround(sw)),
                       static_cast<int>(std::lround(sh))};
    // A part never reaches into the neighbouring frames of a strip.
    SDL_Rect part;
    if (!SDL_IntersectRect(&src, &whole, &part)) return;
    DrawTexturePart(img, frame, part, x, y, w * part.w / sw, h * part.h / sh, 0, 0);
}

void SdlGraphics::DrawRect(float x, float y, float w, float h) {
    if (!renderer_) return;
    const SDL_Color colour{red_, green_, blue_,
                           blend_ == BlendMode::Solid ? uint8_t{255} : ClampByte(std::lround(alpha_ * 255))};
    SDL_SetRenderDrawBlendMode(renderer_, SdlBlend());
    SDL_SetRenderDrawColor(renderer_, colour.r, colour.g, colour.b, colour.a);
    const float px = x + originX_, py = y + originY_;
    if (rotation_ == 0) {
        SDL_FRect r{px, py, w * scaleX_, h * scaleY_};
        if (r.w < 0) r.x += r.w, r.w = -r.w;
        if (r.h < 0) r.y += r.h, r.h = -r.h;
        SDL_RenderFillRectF(renderer_, &r);
        return;
    }
    const float rad = rotation_ * static_cast<float>(M_PI) / 180.0f;
    const float c = std::cos(rad), s = std::sin(rad);
    auto corner = [&](float u, float v) {
        const float ux = u * scaleX_, vy = v * scaleY_;
        return SDL_Vertex{{px + ux * c - vy * s, py + ux * s + vy * c}, colour, {0, 0}};
    };
    const SDL_Vertex vertices[4] = {corner(0, 0), corner(w, 0), corner(w, h), corner(0, h)};
    const int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(renderer_, nullptr, vertices, 4, indices, 6);
}

void SdlGraphics::DrawLine(float x1, float y1, float x2, float y2) {
    if (!renderer_) return;
    SDL_SetRenderDrawBlendMode(renderer_, SdlBlend());
    SDL_SetRenderDrawColor(renderer_, red_, green_, blue_,
                           blend_ == BlendMode::Solid ? 255 : ClampByte(std::lround(alpha_ * 255)));
    const float rad = rotation_ * static_cast<float>(M_PI) / 180.0f;
    const float c = std::cos(rad), s = std::sin(rad);
    const float dx = (x2 - x1) * scaleX_, dy = (y2 - y1) * scaleY_;
    const float px = x1 + originX_, py = y1 + originY_;
    SDL_RenderDrawLineF(renderer_, px, py, px + dx * c - dy * s, py + dx * s + dy * c);
}

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

void SdlGraphics::SetTitle(const std::string& title) {
    if (window_) SDL_SetWindowTitle(window_, title.c_str());
}

void SdlGraphics::SetIcon(const PixelMap& icon) {
    if (!window_ || icon.Empty()) return;
    PixelMap copy = icon;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(copy.Data(), copy.Width(), copy.Height(), 32,
                                                              copy.Width() * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(window_, surface);
    SDL_FreeSurface(surface);
}

void SdlGraphics::ShowPointer(bool show) {
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void SdlGraphics::MovePointer(int x, int y) {
    if (window_) SDL_WarpMouseInWindow(window_, x, y);
}

void SdlGraphics::WindowPosition(int& x, int& y) {
    x = y = 0;
    if (!window_) return;
    int top = 0, left = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    if (SDL_GetWindowBordersSize(window_, &top, &left, nullptr, nullptr) == 0) {
        x -= left;
        y -= top;
    }
}

void SdlGraphics::ClientPosition(int& x, int& y) {
    x = y = 0;
    if (window_) SDL_GetWindowPosition(window_, &x, &y);
}

void SdlGraphics::Minimise() {
    if (window_) SDL_MinimizeWindow(window_);
}

bool SdlGraphics::HasFocus() {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS);
}

}  // namespace platform
