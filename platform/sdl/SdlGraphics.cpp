// Drivers, display modes, the window and its drawing area, and the pictures that live on the renderer.
#include "platform/sdl/SdlGraphics.h"

#include <algorithm>
#include <cstring>

#include "platform/sdl/SdlImage.h"

namespace platform {
namespace {

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
        if (auto image = weak.lock()) image->Upload(renderer_, cache_.get(), software_);
    }
    nextFrame_ = {};
    return true;
}

bool SdlGraphics::CreateRenderer(std::string& error) {
    const Uint32 flags = SDL_RENDERER_TARGETTEXTURE | SDL_RENDERER_PRESENTVSYNC;
    // Asked without creating an OpenGL renderer: without a graphics processor, OpenGL would only map its
    // libraries and threads for a rasteriser slower than SDL's own. SDL then also shows the software
    // renderer's frames without going through OpenGL.
    const bool hardware = !VideoIsDummy() && options_.hardwareAcceleration && options_.hardwareAcceleration();
    if (!hardware) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    int index = -1;
    if (driver_ == Driver::Direct3D7) index = RenderDriverIndex("software");
    if (driver_ == Driver::OpenGL) index = RenderDriverIndex("opengl");
    if (index == -1 && driver_ != Driver::Direct3D9) {
        error = "The chosen renderer is not available";
        return false;
    }
    // A renderer named in SDL_RENDER_DRIVER is the user's choice and stands.
    if (driver_ == Driver::Direct3D9 && !hardware && !SDL_GetHint(SDL_HINT_RENDER_DRIVER)) {
        index = RenderDriverIndex("software");
    }
    renderer_ = SDL_CreateRenderer(window_, index, flags);
    // A graphics processor the X server cannot hand to us (a virtual X server, a remote display) still
    // leaves OpenGL in software.
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
        if (auto image = weak.lock()) image->Upload(renderer_, cache_.get(), software_);
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

ImagePtr SdlGraphics::LoadImage(const PixelMap& pixels, int flags) {
    return LoadAnimImage(pixels, pixels.Width(), pixels.Height(), 0, 1, flags);
}

ImagePtr SdlGraphics::LoadAnimImage(const PixelMap& pixels, int cellW, int cellH, int first, int count,
                                    int flags) {
    if (!StripHolds(pixels, cellW, cellH, first, count)) return nullptr;
    PixelMap copy = pixels;
    if (flags & kImageFiltered) copy.BleedIntoTransparent();
    auto image = std::make_shared<SdlImage>(std::move(copy), cellW, cellH, first, count, flags);
    if (renderer_ && !image->Upload(renderer_, cache_.get(), software_)) return nullptr;
    std::erase_if(images_, [](const std::weak_ptr<SdlImage>& w) { return w.expired(); });
    images_.push_back(image);
    return image;
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
    if (!window_) return false;
    // A headless display has no desktop to lose the focus to.
    return VideoIsDummy() || (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

}  // namespace platform
