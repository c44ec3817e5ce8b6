#include "app/SplashRun.h"

#include <algorithm>
#include <cmath>

#include "framework/core/AppVersion.h"
#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
// The maker's splash fades in over 1750 ms, holds 750 ms and fades out over 1500 ms; a key or a click
// cuts it short with a quick fade.
constexpr double kFadeInMs = 1750, kHoldMs = 750, kFadeOutMs = 1500, kSkipFadeMs = 300;
constexpr float kSoundRate = 0.9f;

struct Fade {
    double skippedAt = -1;   // ms since start when the player skipped, or -1
    double alphaAtSkip = 0;

    double Alpha(double t) const {
        if (skippedAt >= 0) return std::max(0.0, alphaAtSkip * (1 - (t - skippedAt) / kSkipFadeMs));
        if (t < kFadeInMs) return t / kFadeInMs;
        if (t < kFadeInMs + kHoldMs) return 1;
        return std::max(0.0, 1 - (t - kFadeInMs - kHoldMs) / kFadeOutMs);
    }
    bool Over(double t) const {
        return skippedAt >= 0 ? t >= skippedAt + kSkipFadeMs : t >= kFadeInMs + kHoldMs + kFadeOutMs;
    }
    void Skip(double t) {
        if (skippedAt >= 0) return;
        alphaAtSkip = Alpha(t);
        skippedAt = t;
    }
};

platform::ImagePtr LoadPicture(platform::Graphics& graphics, const std::string& path, std::string& error) {
    platform::PixelMap pixels;
    if (!platform::LoadImageFile(platform::files::Resolve(path), pixels, error)) return nullptr;
    return graphics.LoadImage(pixels, platform::kImageDefault);
}

}  // namespace

bool OpenGameDisplay(platform::Graphics& graphics, bool fullScreen, ScreenPlacement& placement, std::string& error) {
    const platform::DisplayMode desktop = graphics.Desktop();
    platform::WindowSpec spec;
    spec.title = "Murkwell V" + AppVersion + " - Tarnfield";
    if (fullScreen) {
        spec.width = desktop.width;
        spec.height = desktop.height;
        spec.depth = 32;
        spec.hertz = desktop.hertz;
    }
    graphics.SelectDriver(platform::Driver::Direct3D9);
    if (!graphics.Open(spec, error)) return false;
    placement = PlaceScreen(graphics.OutputWidth(), graphics.OutputHeight(), fullScreen);
    graphics.SetVirtualResolution(placement.drawingWidth, placement.drawingHeight);
    graphics.SetOrigin(static_cast<float>(placement.originX), static_cast<float>(placement.originY));
    graphics.SetViewport({placement.originX, placement.originY, kScreenWidth, kScreenHeight});
    return true;
}

void ScreenPointToWindow(platform::Graphics& graphics, int vx, int vy, int& wx, int& wy) {
    const double sx = graphics.DrawingWidth() > 0 ? double(graphics.OutputWidth()) / graphics.DrawingWidth() : 1;
    const double sy = graphics.DrawingHeight() > 0 ? double(graphics.OutputHeight()) / graphics.DrawingHeight() : 1;
    wx = static_cast<int>(std::floor((vx + graphics.OriginX()) * sx + 0.5));
    wy = static_cast<int>(std::floor((vy + graphics.OriginY()) * sy + 0.5));
}

void DrawSplashFrame(platform::Graphics& graphics, const platform::Image& picture, const ScreenPlacement& placement,
                     double alpha) {
    graphics.SetClsColor(0, 0, 0);
    graphics.SetViewport({0, 0, graphics.DrawingWidth(), graphics.DrawingHeight()});
    graphics.Cls();
    graphics.SetViewport({placement.originX, placement.originY, kScreenWidth, kScreenHeight});
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(static_cast<float>(alpha));
    graphics.DrawImage(picture, kScreenWidth / 2.0f, kScreenHeight / 2.0f, 0);
    graphics.SetAlpha(1);
}

ScreenPlacement PlaceScreen(int displayWidth, int displayHeight, bool keepAspect) {
    ScreenPlacement p;
    if (!keepAspect || displayWidth <= 0 || displayHeight <= 0) return p;
    // Widen (or heighten) the drawing area to the display's shape and centre the game screen in it.
    const double display = static_cast<double>(displayWidth) / displayHeight;
    const double screen = static_cast<double>(kScreenWidth) / kScreenHeight;
    if (display >= screen) {
        p.drawingWidth = static_cast<int>(std::lround(kScreenHeight * display));
        p.originX = (p.drawingWidth - kScreenWidth) / 2;
    } else {
        p.drawingHeight = static_cast<int>(std::lround(kScreenWidth / display));
        p.originY = (p.drawingHeight - kScreenHeight) / 2;
    }
    return p;
}

int RunSplash(platform::Platform& platform, const std::string& dataFolder, bool fullScreen) {
    platform::Graphics& graphics = platform.GetGraphics();
    platform::Audio& audio = platform.GetAudio();
    platform::System& system = platform.GetSystem();
    platform::Clock& clock = platform.GetClock();

    std::string error;
    ScreenPlacement placement;
    if (!OpenGameDisplay(graphics, fullScreen, placement, error)) {
        system.ShowMessage("Murkwell", error);
        return 1;
    }
    const std::string picturePath = dataFolder + "Tarnfield.png";
    platform::ImagePtr splash = LoadPicture(graphics, picturePath, error);
    if (!splash) {
        system.ShowMessage("Murkwell", "Error loading bitmap " + picturePath + " (" + error + ")");
        return 1;
    }
    splash->SetHandle(splash->Width() / 2.0f, splash->Height() / 2.0f);
    platform::PixelMap icon;
    if (platform::LoadImageFile(platform::files::Resolve(dataFolder + "icon.png"), icon, error)) {
        graphics.SetIcon(icon);
    }

    audio.SetDriver("FreeAudio");
    // The jingle is a nicety: a missing sound leaves the splash silent rather than stopping the game.
    platform::ChannelId channel = 0;
    if (platform::SamplePtr sound = audio.LoadSample(platform::files::Resolve(dataFolder + "splashsound.wav"), true,
                                                     error)) {
        channel = audio.Cue(sound, 0);
        audio.SetRate(channel, kSoundRate);
        audio.SetVolume(channel, 0);
        audio.Play(channel);
    } else {
        system.ShowMessage("Murkwell", error);
    }

    const uint32_t start = clock.Millisecs();
    Fade fade;
    for (;;) {
        const double t = static_cast<uint32_t>(clock.Millisecs() - start);
        platform::Event event;
        bool closing = false;
        while (platform.GetEvents().PollEvent(event)) {
            if (event.type == platform::EventType::CloseRequest) closing = true;
            if ((event.type == platform::EventType::KeyDown && !event.repeat) ||
                event.type == platform::EventType::MouseDown) {
                fade.Skip(t);
            }
        }
        if (closing || fade.Over(t)) break;

        const double alpha = fade.Alpha(t);
        if (channel) audio.SetVolume(channel, static_cast<float>(alpha));
        DrawSplashFrame(graphics, *splash, placement, alpha);
        graphics.Flip(1);
    }
    if (channel) audio.Stop(channel);
    graphics.Close();
    return 0;
}
