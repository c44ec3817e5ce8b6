// Opening the display: the driver, the size of the window or full screen, and the window's state.
#include <span>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/sprites/Color.h"
#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"

namespace {

using platform::Driver;

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
