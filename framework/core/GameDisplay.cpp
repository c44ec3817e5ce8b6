// Opening the display, mapping the virtual screen onto it, the display toggles, the mouse mapping and the
// screen shake.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <span>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/Messages.h"
#include "framework/core/Random.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/MousePointer.h"
#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"

namespace {

using platform::Driver;

int Round(float v) {
    return static_cast<int>(std::floor(v + 0.5f));
}

struct WindowSize {
    int w, h;
};

// Window sizes tried when the virtual screen does not fit, smallest first.
constexpr WindowSize kWindowSizes4x3[] = {{640, 480}, {800, 600}, {1024, 768}};
constexpr WindowSize kWindowSizes16x9[] = {{640, 360},  {720, 405},  {848, 480},  {960, 540},
                                           {1024, 576}, {1280, 720}, {1360, 768}, {1366, 768},
                                           {1536, 874}, {1600, 900}, {1920, 1080}};

// A window needs room for its title bar (30) and the task bar (40); full screen has the whole height.
constexpr int kWindowFrameHeight = 70;

// The virtual size when it fits the room given, else the largest entry of the list that does.
bool FitWindowSize(WindowSize wanted, std::span<const WindowSize> sizes, int roomW, int roomH,
                   WindowSize& out) {
    auto fits = [&](WindowSize s) { return s.w <= roomW && s.h <= roomH; };
    if (fits(wanted)) {
        out = wanted;
        return true;
    }
    for (auto it = sizes.rbegin(); it != sizes.rend(); ++it) {
        if (fits(*it)) {
            out = *it;
            return true;
        }
    }
    return false;
}

// Opens full screen at the first of 32, 24 and 16 bits that the display offers at this size; the depth
// obtained, or 0 when none would open.
int OpenFullScreen(platform::Graphics& graphics, platform::WindowSpec window) {
    for (int depth : {32, 24, 16}) {
        if (!graphics.ModeExists(window.width, window.height, depth)) continue;
        window.depth = depth;
        std::string error;
        if (graphics.Open(window, error)) return depth;
    }
    return 0;
}

bool DirectXAvailable(platform::Graphics& graphics) {
    return graphics.DriverAvailable(Driver::Direct3D9) || graphics.DriverAvailable(Driver::Direct3D7);
}

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
            out.viewport = {0, Round(out.yOff) + 1, vw, vh - 2};
        }
        out.originY = static_cast<float>(Round(out.yOff));
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
            out.viewport = {Round(out.xOff) + 1, 0, vw - 2, vh};
        }
        out.originX = static_cast<float>(Round(out.xOff));
        out.ratioX = u / static_cast<float>(windowW);
        out.ratioY = static_cast<float>(vh) / static_cast<float>(windowH);
    }
    return out;
}

// Every display toggle is a settings change that stalls the clock.
void FinishToggle(TGame& game) {
    game.IniUpdate(1);
    game.FixedRateLogic.Init();
    game.FixedRateLogic.HistoryClear();
}

}  // namespace

bool TGame::DirectXVersionAcceptable(const std::string& version) {
    const std::string major = version.substr(0, version.find('.'));
    for (const char* old : {"1", "2", "3", "5", "6"}) {
        if (major == old) return false;
    }
    return true;
}

int TGame::SetDXDriver(int forceDX7) {
    platform::Graphics& graphics = platform_.GetGraphics();
    const bool dx9 = forceDX7 == 0 && graphics.DriverAvailable(Driver::Direct3D9);
    DriverDX9 = dx9 ? 1 : 0;
    DriverDX7 = dx9 ? 0 : 1;
    graphics.SelectDriver(dx9 ? Driver::Direct3D9 : Driver::Direct3D7);
    return 1;
}

int TGame::GraphicsCreate(int forceDX7) {
    platform::Graphics& graphics = platform_.GetGraphics();
    AlwaysForceDX7 = forceDX7;
    if (graphics.DisplayModes().empty()) {
        GraphicsOpen = 0;
        Message("No 3D Hardware Found (could not count graphics modes.)", 1, 1);
    }

    DriverDX7 = DriverDX9 = 0;
    const bool directX = DirectXAvailable(graphics);
    const bool openGl = graphics.DriverAvailable(Driver::OpenGL);
    if (!directX && !openGl) Message("No DirectX or OpenGL 3D Drivers Found!", 1, 1);
    if (Driver == 1) {
        if (openGl) {
            graphics.SelectDriver(Driver::OpenGL);
        } else {
            SetDXDriver(forceDX7);
            Driver = 0;
            IniUpdate(1);
        }
    } else if (directX) {
        const std::string version = graphics.DirectXVersion();
        if (!DirectXVersionAcceptable(version)) Message("Sorry, you need DirectX V7.0 or higher!", 1, 1);
        DirectXVersion = version;
        SetDXDriver(forceDX7);
    } else {
        graphics.SelectDriver(Driver::OpenGL);
        Driver = 1;
        IniUpdate(1);
    }

    if (FirstTime) {
        FirstTime = 0;
        const platform::DisplayMode desktop = graphics.Desktop();
        DesktopRefreshRate = directX && desktop.hertz > 0 ? desktop.hertz : 60;
        DesktopWidth = desktop.width;
        DesktopHeight = desktop.height;
    }

    if (UseDesktopResolution && (FullScreen || BorderlessWindow == 1)) {
        WindowWidth = DesktopWidth;
        WindowHeight = DesktopHeight;
    } else {
        const std::span<const WindowSize> sizes = WindowedAspectRatio == 1
                                                      ? std::span<const WindowSize>(kWindowSizes16x9)
                                                      : std::span<const WindowSize>(kWindowSizes4x3);
        WindowSize size{0, 0};
        const int roomH = FullScreen ? DesktopHeight : DesktopHeight - kWindowFrameHeight;
        if (!FitWindowSize({VirtualWidth, VirtualHeight}, sizes, DesktopWidth, roomH, size)) {
            Depth = -1;
            Message("Cannot find a suitable resolution. Desktop Resolution= " + std::to_string(DesktopWidth) +
                        "x" + std::to_string(DesktopHeight),
                    1, 1);
        }
        WindowWidth = size.w;
        WindowHeight = size.h;
    }

    platform::WindowSpec window;
    window.width = WindowWidth;
    window.height = WindowHeight;
    window.title = WindowTitle;
    if (FullScreen) {
        window.hertz = Hertz;
        Depth = OpenFullScreen(graphics, window);
        if (Depth == 0) {
            ForceWindowedMode = 1;
            FullScreen = 0;
        } else {
            DoSetVirtualResolution(1);
            WindowHandle = GetActiveWindowSafe();
        }
    }
    if (!FullScreen) {
        window.hertz = DesktopRefreshRate;
        window.borderless = BorderlessWindow == 1;
        std::string error;
        if (!graphics.Open(window, error)) {
            // Fatal: the message ends the program and does not come back here.
            GraphicsOpen = 0;
            Depth = -1;
            Message("Cannot create Windowed Mode at " + std::to_string(VirtualWidth) + "x" +
                        std::to_string(VirtualHeight) + " " + std::to_string(DesktopRefreshRate) + "Hz",
                    1, 1);
        }
        Depth = 0;
        DoSetVirtualResolution(1);
        // The platform centres a framed window as it opens it; there is no minimise box to add.
        WindowHandle = GetActiveWindowSafe();
        SetWindowCoords();
        SetClientCoords();
    }

    SystemInputMode = 0;
    GameRefreshRate = (DriverDX7 || DriverDX9) && graphics.RefreshRate() > 0 ? graphics.RefreshRate() : -1;
    // The window's icon is a nicety: without the file the desktop shows its own.
    platform::PixelMap icon;
    std::string error;
    if (platform::LoadImageFile(platform::files::Resolve(DataFolder + "icon.png"), icon, error)) {
        graphics.SetIcon(icon);
    }
    if (!ClsColor) ClsColor = TColor::Create(0, 0, 0, 1.0f);
    graphics.SetClsColor(ClsColor->r, ClsColor->g, ClsColor->b);
    return 1;
}

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

int TGame::OffsetOrigin(int x, int y) {
    platform::Graphics& graphics = platform_.GetGraphics();
    graphics.SetOrigin(vxOff + static_cast<float>(x), vyOff + static_cast<float>(y));
    graphics.SetViewport(
        {screenshake_viewportx + x, screenshake_viewporty + y, screenshake_viewportw, screenshake_viewporth});
    return 1;
}

int TGame::RestoreOrigin() {
    platform::Graphics& graphics = platform_.GetGraphics();
    if (UsingVirtualResolution) {
        graphics.SetOrigin(static_cast<float>(Round(vxOff)), static_cast<float>(Round(vyOff)));
    } else {
        graphics.SetOrigin(0, 0);
    }
    graphics.SetViewport(
        {screenshake_viewportx, screenshake_viewporty, screenshake_viewportw, screenshake_viewporth});
    ClearScreenshake();
    return 1;
}

int TGame::ClearScreenshake() {
    screenShakeRange = 0;
    screenShakeDelta = 0;
    screenShakeCounter = 0;
    return 1;
}

int TGame::SetScreenShake(float range, float delta, float ticks) {
    if (screenShake <= 0) return 0;
    if (screenShakeRange > 0 || screenShakeDelta != 0 || screenShakeCounter > 0) RestoreOrigin();
    const float strength = static_cast<float>(screenShake) / 100.0f;
    screenShakeRange = strength * range;
    screenShakeDelta = strength * delta;
    screenShakeCounter = ticks;
    const platform::Rect viewport = platform_.GetGraphics().Viewport();
    screenshake_viewportx = viewport.x;
    screenshake_viewporty = viewport.y;
    screenshake_viewportw = viewport.w;
    screenshake_viewporth = viewport.h;
    DoScreenShake();
    return 1;
}

int TGame::DoScreenShake() {
    if (screenShakeRange <= 0) return 0;
    screenShakeRange += screenShakeDelta * Delta;
    bool over = false;
    if (screenShakeCounter > 0) {
        screenShakeCounter -= Delta;
        over = screenShakeCounter <= 0;
    }
    if (over || screenShakeRange <= 0) {
        RestoreOrigin();
        return 1;
    }
    const int dx = Round(static_cast<float>(Rnd(-screenShakeRange, screenShakeRange)));
    const int dy = Round(static_cast<float>(Rnd(-screenShakeRange, screenShakeRange)));
    OffsetOrigin(dx, dy);
    return 1;
}

int TGame::ScreenShakeSetIniValue(int percent, int save) {
    screenShake = std::clamp(percent, 0, 100);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
    return 1;
}

int TGame::DoMoveMouse(int x, int y) {
    // The inverse of the event mapping, which takes positions as they are without a virtual resolution.
    int realX = x, realY = y;
    if (UsingVirtualResolution) {
        realX = Round((static_cast<float>(x) + vxOff) / VirtualRatioX);
        realY = Round((static_cast<float>(y) + vyOff) / VirtualRatioY);
    }
    platform_.GetGraphics().MovePointer(realX, realY);
    return 1;
}

int TGame::RestoreMouseCoords() {
    if (FullScreen) {
        Mouse->x = std::clamp(Mouse->x, 0, VirtualWidth - 1);
        Mouse->y = std::clamp(Mouse->y, 0, VirtualHeight - 1);
    }
    return DoMoveMouse(Mouse->x, Mouse->y);
}

// The platform keeps its one window to itself; the handle only says whether it is there.
uint64_t TGame::GetActiveWindowSafe() {
    return platform_.GetGraphics().IsOpen() ? 1 : 0;
}

int TGame::SetWindowCoords() {
    platform_.GetGraphics().WindowPosition(WindowX, WindowY);
    return 1;
}

int TGame::SetClientCoords() {
    platform_.GetGraphics().ClientPosition(ClientX, ClientY);
    return 1;
}

bool TGame::WindowDragged() {
    if (FullScreen) return false;
    int x = 0, y = 0;
    platform_.GetGraphics().WindowPosition(x, y);
    return x != WindowX || y != WindowY;
}

int TGame::ToggleFullScreen() {
    if (FullScreen) {
        FullScreen = 0;
    } else {
        if (ForceWindowedMode) return 0;
        FullScreen = 1;
        if (CustomMousePointer) platform_.GetGraphics().ShowPointer(false);
    }
    Mouse->ClearButtons();
    GraphicsCreate(AlwaysForceDX7);
    RestoreMouseCoords();
    FinishToggle(*this);
    return 1;
}

int TGame::ToggleBorderless() {
    BorderlessWindow = BorderlessWindow ? 0 : 1;
    Mouse->ClearButtons();
    GraphicsCreate(AlwaysForceDX7);
    RestoreMouseCoords();
    FinishToggle(*this);
    return 1;
}

int TGame::ToggleWideScreen() {
    WideScreen = WideScreen ? 0 : 1;
    Mouse->ClearButtons();
    DoSetVirtualResolution(1);
    RestoreMouseCoords();
    FinishToggle(*this);
    return 1;
}

int TGame::ToggleVSync() {
    VSync = VSync ? 0 : 1;
    SetFlipSync();
    FinishToggle(*this);
    return 1;
}

int TGame::SetDriver(int driver) {
    const int wanted = driver != 0 ? 1 : 0;
    if (Driver == wanted) return 0;
    Driver = wanted;
    platform_.GetGraphics().Close();
    GraphicsCreate(AlwaysForceDX7);
    DoMoveMouse(Mouse->x, Mouse->y);
    FinishToggle(*this);
    FlushKeysAndMouse();
    return 1;
}

int TGame::ToggleCustomMousePointer() {
    CustomMousePointer = CustomMousePointer ? 0 : 1;
    // The system pointer is the one shown whenever the framework does not draw its own.
    platform_.GetGraphics().ShowPointer(CustomMousePointer == 0);
    FinishToggle(*this);
    return 1;
}
