// Mapping the virtual screen onto the display: scaled, with bars where the shapes differ, and the border
// pictures drawn in the bars.
#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Rounding.h"
#include "framework/gfx/GameImage.h"

namespace {

// Where the virtual screen lies in the drawing area when the display is shaped differently from it: bars
// above and below (letter-box) or at the sides (pillar-box).
struct BorderedLayout {
    int drawW = 0, drawH = 0;  // the drawing area; 0 × 0 leaves it at the display's own size
    float xOff = 0, yOff = 0;
    platform::Rect viewport;
    float originX = 0, originY = 0;
    float ratioX = 1, ratioY = 1;
};

// unscaledFits: the display already has the virtual screen's width (letter-box) or height (pillar-box),
// so the bars are just the display's spare pixels. Otherwise the drawing area keeps the virtual screen's
// width or height and grows the other way to the display's shape, less a pixel, kept even; the viewport
// gives up a pixel on each barred side so that filtering never smears the bars' edge into the picture.
BorderedLayout LayOutBordered(float virtualRatio, float graphicsRatio, int windowW, int windowH,
                              bool useDesktop) {
    BorderedLayout out;
    const int vw = VirtualWidth, vh = VirtualHeight;
    if (graphicsRatio < virtualRatio) {
        const float t = virtualRatio / graphicsRatio * static_cast<float>(vh);
        if (useDesktop && windowW == vw) {
            out.yOff = static_cast<float>((windowH - vh) / 2);
            out.viewport = {0, static_cast<int>(out.yOff), vw, vh};
        } else {
            int h = static_cast<int>(std::floor(t - 1));
            if (h % 2 != 0) --h;
            out.drawW = vw;
            out.drawH = h;
            out.yOff = static_cast<float>((h - vh) / 2);
            out.viewport = {0, RoundHalfUp(out.yOff) + 1, vw, vh - 2};
        }
        out.originY = static_cast<float>(RoundHalfUp(out.yOff));
        out.ratioX = static_cast<float>(vw) / static_cast<float>(windowW);
        out.ratioY = t / static_cast<float>(windowH);
    } else {
        const float u = graphicsRatio / virtualRatio * static_cast<float>(vw);
        if (useDesktop && windowH == vh) {
            out.xOff = static_cast<float>((windowW - vw) / 2);
            out.viewport = {static_cast<int>(out.xOff), 0, vw, vh};
        } else {
            int w = static_cast<int>(std::floor(u - 1));
            if (w % 2 != 0) --w;
            out.drawW = w;
            out.drawH = vh;
            out.xOff = static_cast<float>((w - vw) / 2);
            out.viewport = {RoundHalfUp(out.xOff) + 1, 0, vw - 2, vh};
        }
        out.originX = static_cast<float>(RoundHalfUp(out.xOff));
        out.ratioX = u / static_cast<float>(windowW);
        out.ratioY = static_cast<float>(vh) / static_cast<float>(windowH);
    }
    return out;
}

}  // namespace

int TGame::CLSAllBuffers() {
    platform::Graphics& graphics = platform_.GetGraphics();
    // Every buffer of the swap chain, so that no stale frame flashes up while the mode settles.
    graphics.SetClsColor(0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        graphics.Cls();
        graphics.Flip(FlipSync);
    }
    if (ClsColor) graphics.SetClsColor(ClsColor->r, ClsColor->g, ClsColor->b);
    return 1;
}

int TGame::DisableVirtualResolution() {
    platform::Graphics& graphics = platform_.GetGraphics();
    graphics.SetVirtualResolution(0, 0);
    graphics.SetViewport({0, 0, graphics.DrawingWidth(), graphics.DrawingHeight()});
    graphics.SetOrigin(0, 0);
    return 1;
}

int TGame::DoSetVirtualResolution(int clear) {
    platform::Graphics& graphics = platform_.GetGraphics();
    vxOff = vyOff = 0;
    // A shake ends by putting back the viewport it started from, which belongs to the old mapping: the
    // new mapping ends it instead.
    const bool shaking = screenShakeRange > 0 || screenShakeDelta != 0 || screenShakeCounter > 0;
    ClearScreenshake();
    if (!DriverDX9 && Driver != 1) {
        UsingVirtualResolution = 0;
        if (shaking) DisableVirtualResolution();
        return 1;
    }
    DisableVirtualResolution();
    if (clear == 1) CLSAllBuffers();

    const bool bordered = (FullScreen && WideScreen) || (!FullScreen && BorderlessWindow == 1);
    if (bordered) {
        if (UseDesktopResolution && WindowWidth == VirtualWidth && WindowHeight == VirtualHeight) {
            UsingVirtualResolution = 0;
            return 1;
        }
        VR_virtualratio = static_cast<float>(VirtualWidth) / static_cast<float>(VirtualHeight);
        VR_graphicsratio = static_cast<float>(DesktopWidth) / static_cast<float>(DesktopHeight);
        const BorderedLayout layout = LayOutBordered(VR_virtualratio, VR_graphicsratio, WindowWidth,
                                                     WindowHeight, UseDesktopResolution != 0);
        if (layout.drawW > 0) graphics.SetVirtualResolution(layout.drawW, layout.drawH);
        vxOff = layout.xOff;
        vyOff = layout.yOff;
        graphics.SetViewport(layout.viewport);
        graphics.SetOrigin(layout.originX, layout.originY);
        VirtualRatioX = layout.ratioX;
        VirtualRatioY = layout.ratioY;
    } else {
        if (WindowHeight == VirtualHeight) {
            UsingVirtualResolution = 0;
            return 1;
        }
        graphics.SetVirtualResolution(VirtualWidth, VirtualHeight);
        graphics.SetViewport({0, 0, VirtualWidth, VirtualHeight});
        VirtualRatioX = static_cast<float>(VirtualWidth) / static_cast<float>(WindowWidth);
        VirtualRatioY = static_cast<float>(VirtualHeight) / static_cast<float>(WindowHeight);
    }
    UsingVirtualResolution = 1;
    return 1;
}

int TGame::ResetVRViewport() {
    platform::Graphics& graphics = platform_.GetGraphics();
    const platform::Rect viewport = graphics.Viewport();
    VR_viewportx = viewport.x;
    VR_viewporty = viewport.y;
    VR_viewportw = viewport.w;
    VR_viewporth = viewport.h;
    VR_originx = graphics.OriginX();
    VR_originy = graphics.OriginY();
    graphics.SetViewport({0, 0, graphics.DrawingWidth(), graphics.DrawingHeight()});
    graphics.SetOrigin(0, 0);
    return 1;
}

int TGame::RestoreVRViewPort() {
    platform::Graphics& graphics = platform_.GetGraphics();
    graphics.SetViewport({VR_viewportx, VR_viewporty, VR_viewportw, VR_viewporth});
    graphics.SetOrigin(VR_originx, VR_originy);
    return 1;
}

int TGame::NeedsCLSWidescreen() const {
    return UsingVirtualResolution && (FullScreen || BorderlessWindow) ? 1 : 0;
}

int TGame::CLSWidescreen() {
    ResetVRViewport();
    platform_.GetGraphics().Cls();
    RestoreVRViewPort();
    return 1;
}

int TGame::DoDrawWidescreenBorders() {
    if (!UsingVirtualResolution || !FullScreen || !DrawWidescreenBorders) return 0;
    if (!LeftBorderImage && !RightBorderImage) return 0;
    if (!(VR_graphicsratio > VR_virtualratio)) return 0;
    ResetVRViewport();
    if (LeftBorderImage)
        LeftBorderImage->Draw(static_cast<float>(VR_viewportx - LeftBorderImage->GetWidth()), 0, 0);
    if (RightBorderImage) RightBorderImage->Draw(static_cast<float>(VR_viewportx + VirtualWidth - 3), 0, 0);
    RestoreVRViewPort();
    return 1;
}

int TGame::SetLeftBorderImage(const std::string& file) {
    LeftBorderImage = file.empty() ? nullptr : TGameImage::Create(ImagePath + file, kDefaultImageFlags, 0);
    return 1;
}

int TGame::SetRightBorderImage(const std::string& file) {
    RightBorderImage = file.empty() ? nullptr : TGameImage::Create(ImagePath + file, kDefaultImageFlags, 0);
    return 1;
}
