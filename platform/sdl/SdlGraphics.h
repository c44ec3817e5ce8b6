#pragma once

#include <SDL.h>

#include <chrono>
#include <memory>
#include <vector>

#include "platform/Graphics.h"
#include "platform/os/GraphicsHardware.h"
#include "platform/sdl/SdlTransformCache.h"

namespace platform {

class ManualClock;
class SdlImage;

struct SdlGraphicsOptions {
    // Pace flips to the refresh rate when vertical sync does not block (dummy driver, some desktops).
    bool pace = true;
    // In a deterministic run every flip moves this clock on by one frame of 1000/60 ms.
    ManualClock* frameClock = nullptr;
    // The byte budget of turned, scaled and tinted copies of pictures kept for SDL's software renderer;
    // 0 turns the copies off. Other renderers turn, scale and tint pictures themselves and keep none.
    size_t transformCacheBytes = SdlTransformCache::kDefaultBudget;
    // Whether OpenGL would run on a graphics processor; without one the accelerated driver is SDL's
    // software renderer. Null counts as none.
    bool (*hardwareAcceleration)() = SystemHasHardwareAcceleration;
};

// The drawing layer on SDL's renderer. Everything is drawn into a render-target texture the size of the
// drawing area; a flip (or a grab) scales it over the whole back buffer. SdlGraphics.cpp opens the display
// and keeps the pictures on the renderer, SdlGraphicsDraw.cpp draws, SdlGraphicsFrame.cpp shows the frame.
class SdlGraphics : public Graphics {
public:
    explicit SdlGraphics(SdlGraphicsOptions options);
    ~SdlGraphics() override;

    bool DriverAvailable(Driver driver) override;
    void SelectDriver(Driver driver) override { driver_ = driver; }
    Driver SelectedDriver() const override { return driver_; }
    std::string DirectXVersion() override;
    std::vector<DisplayMode> DisplayModes() override;
    bool ModeExists(int width, int height, int depth) override;
    DisplayMode Desktop() override;
    std::string VideoDriverName() override;

    bool Open(const WindowSpec& spec, std::string& error) override;
    void Close() override;
    bool IsOpen() const override { return renderer_ != nullptr; }
    int OutputWidth() const override { return outputW_; }
    int OutputHeight() const override { return outputH_; }
    int RefreshRate() const override { return refresh_; }

    void SetVirtualResolution(int width, int height) override;
    int DrawingWidth() const override { return drawW_; }
    int DrawingHeight() const override { return drawH_; }
    void SetViewport(const Rect& viewport) override;
    Rect Viewport() const override { return viewport_; }
    void SetOrigin(float x, float y) override;
    float OriginX() const override { return originX_; }
    float OriginY() const override { return originY_; }

    ImagePtr LoadImage(const PixelMap& pixels, int flags) override;
    ImagePtr LoadAnimImage(const PixelMap& pixels, int cellW, int cellH, int first, int count,
                           int flags) override;

    // Drawing (SdlGraphicsDraw.cpp).
    void Cls() override;
    void DrawImage(const Image& image, float x, float y, int frame) override;
    void DrawImageRect(const Image& image, float x, float y, float w, float h, int frame) override;
    void DrawSubImageRect(const Image& image, float x, float y, float w, float h, float sx, float sy,
                          float sw, float sh, int frame) override;
    void DrawRect(float x, float y, float w, float h) override;
    void DrawLine(float x1, float y1, float x2, float y2) override;

    // Showing and reading back the frame (SdlGraphicsFrame.cpp).
    PixelMap Grab(const Rect& area) override;
    ImagePtr CaptureImage(const Rect& area) override;
    void RequestScreenshot(const std::string& path) override { screenshotPath_ = path; }
    void Flip(int sync) override;

    void SetTitle(const std::string& title) override;
    void SetIcon(const PixelMap& icon) override;
    void ShowPointer(bool show) override;
    void MovePointer(int x, int y) override;
    void WindowPosition(int& x, int& y) override;
    void ClientPosition(int& x, int& y) override;
    void Minimise() override;
    bool HasFocus() override;

    // After the renderer lost its textures: make the drawing area and every image again.
    void RestoreTextures();
    SDL_Window* Window() const { return window_; }
    // The copies of turned, scaled and tinted pictures; null when the renderer keeps none.
    const SdlTransformCache* TransformCache() const { return cache_.get(); }

private:
    bool CreateRenderer(std::string& error);
    void DestroyRenderer();
    bool MakeTarget();
    void UpdateOutputSize();
    void Compose();  // the drawing area scaled onto the back buffer
    void ApplyBlend(SDL_Texture* texture);
    SDL_BlendMode SdlBlend() const;
    // The colour and alpha in force as bytes.
    Tint CurrentTint() const;
    // The alpha a draw is made with: solid drawing ignores the alpha set.
    uint8_t DrawAlpha() const;
    // Draws the part src of a frame of the image at w × h (before the scale) so that the point (hx, hy)
    // of it lands on (x, y), scaled and turned about that point.
    void DrawTexturePart(const SdlImage& image, int frame, const SDL_Rect& src, float x, float y, float w,
                         float h, float hx, float hy);
    // The same through the transform cache (dst is where the renderer's own copy would go, plain when
    // it is neither turned, mirrored nor scaled); false when the cache does not serve the draw.
    bool DrawCached(const SdlImage& image, int frame, const SDL_Rect& src, const SDL_FRect& dst, bool plain,
                    float x, float y, float w, float h, float hx, float hy);
    // The largest picture (in pixels) whose plain but tinted copies are kept.
    static constexpr int kLargestTintedPlain = 128 * 128;
    void Pace(int sync);

    SdlGraphicsOptions options_;
    Driver driver_ = Driver::Direct3D9;
    Driver rendererDriver_ = Driver::Direct3D9;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* target_ = nullptr;
    bool software_ = false;  // SDL's own software renderer
    std::unique_ptr<SdlTransformCache> cache_;
    int outputW_ = 0, outputH_ = 0;
    int refresh_ = 0;
    int virtualW_ = 0, virtualH_ = 0;
    int drawW_ = 0, drawH_ = 0;
    Rect viewport_;
    float originX_ = 0, originY_ = 0;
    int currentSync_ = -2;
    std::string screenshotPath_;
    std::vector<std::weak_ptr<SdlImage>> images_;
    std::chrono::steady_clock::time_point nextFrame_{};
    bool firstFrameShown_ = false;
};

}  // namespace platform
