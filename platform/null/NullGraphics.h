#pragma once

#include <vector>

#include "platform/Graphics.h"
#include "platform/os/SystemClock.h"

namespace platform {

// Drawing without a display: images keep their sizes, draws are counted and state is kept, so game
// logic, tests and bots run anywhere, fast and exactly the same every time.
class NullGraphics : public Graphics {
public:
    struct Counts {
        int images = 0;  // DrawImage, DrawImageRect and DrawSubImageRect calls
        int rects = 0;
        int lines = 0;
        int clears = 0;
        int flips = 0;
    };

    // frameClock, when given, moves on by one frame of kDeterministicFrameMs at every flip, as a
    // deterministic run's display does.
    explicit NullGraphics(DisplayMode desktop = {1024, 768, 32, 60}, ManualClock* frameClock = nullptr)
        : desktop_(desktop), frameClock_(frameClock) {}

    const Counts& Drawn() const { return counts_; }
    void ResetCounts() { counts_ = {}; }
    // Which drivers the machine pretends to have (all by default).
    void SetDriverAvailable(Driver driver, bool available);
    void SetDisplayModes(std::vector<DisplayMode> modes) { modes_ = std::move(modes); }
    void FailNextOpen() { failNextOpen_ = true; }
    const WindowSpec& LastSpec() const { return lastSpec_; }
    const std::string& LastScreenshotRequest() const { return screenshot_; }
    bool PointerShown() const { return pointerShown_; }
    int PointerX() const { return pointerX_; }
    int PointerY() const { return pointerY_; }
    int LastSync() const { return lastSync_; }

    bool DriverAvailable(Driver driver) override;
    void SelectDriver(Driver driver) override { driver_ = driver; }
    Driver SelectedDriver() const override { return driver_; }
    std::string DirectXVersion() override { return "9.0c"; }
    std::vector<DisplayMode> DisplayModes() override { return modes_; }
    bool ModeExists(int width, int height, int depth) override;
    DisplayMode Desktop() override { return desktop_; }
    std::string VideoDriverName() override { return "null"; }

    bool Open(const WindowSpec& spec, std::string& error) override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    int OutputWidth() const override { return open_ ? lastSpec_.width : 0; }
    int OutputHeight() const override { return open_ ? lastSpec_.height : 0; }
    int RefreshRate() const override { return desktop_.hertz; }

    void SetVirtualResolution(int width, int height) override;
    int DrawingWidth() const override;
    int DrawingHeight() const override;
    void SetViewport(const Rect& viewport) override { viewport_ = viewport; }
    Rect Viewport() const override { return viewport_; }
    void SetOrigin(float x, float y) override { originX_ = x, originY_ = y; }
    float OriginX() const override { return originX_; }
    float OriginY() const override { return originY_; }

    ImagePtr LoadImage(const PixelMap& pixels, int flags) override;
    ImagePtr LoadAnimImage(const PixelMap& pixels, int cellW, int cellH, int first, int count,
                           int flags) override;

    void Cls() override { ++counts_.clears; }
    void DrawImage(const Image&, float, float, int) override { ++counts_.images; }
    void DrawImageRect(const Image&, float, float, float, float, int) override { ++counts_.images; }
    void DrawSubImageRect(const Image&, float, float, float, float, float, float, float, float,
                          int) override {
        ++counts_.images;
    }
    void DrawRect(float, float, float, float) override { ++counts_.rects; }
    void DrawLine(float, float, float, float) override { ++counts_.lines; }

    // Black pixels of the size asked for (clipped to the display).
    PixelMap Grab(const Rect& area) override;
    // A blank picture of the area's size: nothing is drawn here.
    ImagePtr CaptureImage(const Rect& area) override;
    void RequestScreenshot(const std::string& path) override { screenshot_ = path; }
    void Flip(int sync) override;

    void SetTitle(const std::string& title) override { title_ = title; }
    void SetIcon(const PixelMap&) override {}
    void ShowPointer(bool show) override { pointerShown_ = show; }
    void MovePointer(int x, int y) override { pointerX_ = x, pointerY_ = y; }
    void WindowPosition(int& x, int& y) override { x = windowX_, y = windowY_; }
    void ClientPosition(int& x, int& y) override { x = windowX_, y = windowY_; }
    void Minimise() override {}
    bool HasFocus() override { return open_ && focused_; }
    // The window losing or regaining the keyboard focus (tests push the matching events too).
    void SetFocused(bool focused) { focused_ = focused; }
    // A window dragged by the user.
    void MoveWindow(int x, int y) { windowX_ = x, windowY_ = y; }
    const std::string& Title() const { return title_; }

private:
    DisplayMode desktop_;
    ManualClock* frameClock_;
    std::vector<DisplayMode> modes_{{640, 480, 32, 60}, {800, 600, 32, 60}, {1024, 768, 32, 60}};
    bool available_[3] = {true, true, true};
    Driver driver_ = Driver::Direct3D9;
    bool open_ = false;
    bool focused_ = true;
    bool failNextOpen_ = false;
    WindowSpec lastSpec_;
    int virtualW_ = 0, virtualH_ = 0;
    Rect viewport_;
    float originX_ = 0, originY_ = 0;
    Counts counts_;
    std::string screenshot_;
    std::string title_;
    bool pointerShown_ = true;
    int pointerX_ = 0, pointerY_ = 0;
    int windowX_ = 0, windowY_ = 0;
    int lastSync_ = 0;
};

}  // namespace platform
