#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ImageCollision.h"
#include "platform/PixelMap.h"

namespace platform {

// The framework's three driver kinds, kept under the names it stores in the settings file. On Linux:
// Direct3D9 is the best renderer SDL offers drawn through a scaled render target, Direct3D7 the software
// renderer drawn unscaled, OpenGL SDL's "opengl" renderer through the same render target.
enum class Driver { Direct3D9, Direct3D7, OpenGL };

enum class BlendMode {
    Solid,  // colour replaces what is there; alpha is ignored
    Mask,   // pixels with alpha below one half are skipped
    Alpha,  // ordinary alpha blending
    Light,  // additive: source × alpha is added
    Shade,  // multiplicative
};

struct DisplayMode {
    int width = 0;
    int height = 0;
    int depth = 0;  // bits per pixel
    int hertz = 0;  // 0 when the driver does not know
    bool operator==(const DisplayMode&) const = default;
};

struct WindowSpec {
    int width = 1024;
    int height = 768;
    int depth = 0;  // 0: a window; 16, 24 or 32: full screen at that depth
    int hertz = 60;
    bool borderless = false;
    std::string title;
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Rect&) const = default;
};

// Image flags: filtered images are smoothed when scaled or rotated.
enum ImageFlags : int { kImageFiltered = 1, kImageDefault = kImageFiltered };

// A loaded picture of one or more frames of equal size, with its handle: the point of the frame that
// lands on the drawing coordinates (0, 0 is the top-left corner).
class Image {
public:
    virtual ~Image() = default;
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Frames() const { return frames_; }
    float HandleX() const { return handleX_; }
    float HandleY() const { return handleY_; }
    void SetHandle(float x, float y) {
        handleX_ = x;
        handleY_ = y;
    }

protected:
    Image(int width, int height, int frames) : width_(width), height_(height), frames_(frames) {}

private:
    int width_;
    int height_;
    int frames_;
    float handleX_ = 0;
    float handleY_ = 0;
};

using ImagePtr = std::shared_ptr<Image>;

// Splits a strip into frames: frame k is cell (first + k) counted left to right, then top to bottom, of a
// grid of cellW × cellH cells. Returns false when the strip cannot hold the frames asked for.
bool FrameRect(int stripWidth, int stripHeight, int cellW, int cellH, int first, int index, Rect& out);
// Whether a strip holds count frames of cellW × cellH from cell first on.
bool StripHolds(const PixelMap& pixels, int cellW, int cellH, int first, int count);

// One display frame on the clock of a deterministic run: every frame lasts exactly this long.
constexpr double kDeterministicFrameMs = 1000.0 / 60.0;

// The 2D drawing layer. All drawing lands in the drawing area: the virtual resolution when one is set,
// else the display's own size. The viewport (in drawing-area pixels) clips; the origin is added to every
// drawing position. Colour, alpha, blend, rotation (degrees, clockwise) and scale apply to every draw.
class Graphics {
public:
    virtual ~Graphics() = default;

    // Drivers and modes.
    virtual bool DriverAvailable(Driver driver) = 0;
    virtual void SelectDriver(Driver driver) = 0;  // takes effect at the next Open
    virtual Driver SelectedDriver() const = 0;
    virtual std::string DirectXVersion() = 0;  // "9.0c" when an accelerated renderer exists, else ""
    virtual std::vector<DisplayMode> DisplayModes() = 0;
    virtual bool ModeExists(int width, int height, int depth) = 0;
    virtual DisplayMode Desktop() = 0;  // the desktop's size and refresh (60 when unknown)
    virtual std::string VideoDriverName() = 0;

    // The display. Open closes any display already open; it returns false and fills error on failure.
    virtual bool Open(const WindowSpec& spec, std::string& error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual int OutputWidth() const = 0;  // the back buffer in real pixels
    virtual int OutputHeight() const = 0;
    virtual int RefreshRate() const = 0;  // of the opened display, 0 when unknown

    // Virtual resolution, viewport and origin. SetVirtualResolution(0, 0) switches it off.
    virtual void SetVirtualResolution(int width, int height) = 0;
    virtual int DrawingWidth() const = 0;
    virtual int DrawingHeight() const = 0;
    virtual void SetViewport(const Rect& viewport) = 0;
    virtual Rect Viewport() const = 0;
    virtual void SetOrigin(float x, float y) = 0;
    virtual float OriginX() const = 0;
    virtual float OriginY() const = 0;

    // Drawing state, kept here once for every backend and clamped as it is set: colour channels to
    // 0…255 and alpha to 0…1 (callers fade and brighten by arithmetic that overshoots; not a number
    // counts as 0). Scale and rotation are kept as given: a negative scale mirrors, any angle turns. The
    // setters are virtual only so that a layer can watch them; an override calls the one here.
    virtual void SetClsColor(int r, int g, int b);
    virtual void SetColor(int r, int g, int b);
    virtual void SetAlpha(float alpha);
    virtual void SetBlend(BlendMode mode);
    virtual void SetRotation(float degrees);
    virtual void SetScale(float x, float y);
    float Alpha() const { return alpha_; }
    BlendMode Blend() const { return blend_; }
    // The state set last, so that text drawing can work in the current scale and rotation and put the
    // colour back after its shadow.
    float ScaleX() const { return scaleX_; }
    float ScaleY() const { return scaleY_; }
    float Rotation() const { return rotation_; }
    void GetColor(int& r, int& g, int& b) const { r = red_, g = green_, b = blue_; }
    void GetClsColor(int& r, int& g, int& b) const { r = clsRed_, g = clsGreen_, b = clsBlue_; }

    // Images. cellW/cellH of 0 load the whole picture as one frame.
    virtual ImagePtr LoadImage(const PixelMap& pixels, int flags) = 0;
    virtual ImagePtr LoadAnimImage(const PixelMap& pixels, int cellW, int cellH, int first, int count,
                                   int flags) = 0;

    // Drawing. Cls clears the viewport with the clear colour.
    virtual void Cls() = 0;
    virtual void DrawImage(const Image& image, float x, float y, int frame) = 0;
    // The frame stretched to w × h (before the scale).
    virtual void DrawImageRect(const Image& image, float x, float y, float w, float h, int frame) = 0;
    // The part sx, sy, sw × sh of the frame drawn at w × h (before the scale), its top-left corner at x, y:
    // the image's handle does not apply to parts.
    virtual void DrawSubImageRect(const Image& image, float x, float y, float w, float h, float sx, float sy,
                                  float sw, float sh, int frame) = 0;
    virtual void DrawRect(float x, float y, float w, float h) = 0;
    virtual void DrawLine(float x1, float y1, float x2, float y2) = 0;

    // The back buffer as it will be shown (real pixels), clipped to the display.
    virtual PixelMap Grab(const Rect& area) = 0;
    // What has been drawn so far inside area (in drawing coordinates, like a draw's x and y, the origin
    // applied) as a new opaque image: a layer that stays the same is drawn once and then copied whole.
    virtual ImagePtr CaptureImage(const Rect& area) = 0;
    // A screenshot of the frame being drawn, written as PNG when it is next flipped.
    virtual void RequestScreenshot(const std::string& path) = 0;
    // Shows the frame. sync 1 waits for the vertical blank, 0 does not, -1 takes the driver's default;
    // when the flip returns early with sync on, frames are paced to the refresh rate.
    virtual void Flip(int sync) = 0;

    // The window.
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetIcon(const PixelMap& icon) = 0;
    virtual void ShowPointer(bool show) = 0;
    virtual void MovePointer(int x, int y) = 0;  // window pixels
    virtual void WindowPosition(int& x, int& y) = 0;
    virtual void ClientPosition(int& x, int& y) = 0;
    virtual void Minimise() = 0;
    virtual bool HasFocus() = 0;

    // The image collision test: pictures registered where they are drawn, tested against others.
    ImageCollision& Collisions() { return collisions_; }

private:
    int clsRed_ = 0, clsGreen_ = 0, clsBlue_ = 0;
    int red_ = 255, green_ = 255, blue_ = 255;
    float alpha_ = 1;
    BlendMode blend_ = BlendMode::Alpha;
    float rotation_ = 0;
    float scaleX_ = 1, scaleY_ = 1;
    ImageCollision collisions_;
};

}  // namespace platform
