#include "framework/screens/Fade.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/MousePointer.h"

bool TFade::Skipped() {
    // The splash runs in system input mode: these queries poll the platform themselves.
    const bool key = AnyKeyHit() != -1;
    const bool click = Game->Mouse->MouseHit() > 0;
    // Closing the window skips as well; the main loop then sees the request and ends the program.
    return key || click || Game->TerminatedEvent;
}

void TFade::ResetDrawingState() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Solid);
    graphics.SetAlpha(1);
    graphics.SetColor(255, 255, 255);
}

int TFade::Init(float length, std::shared_ptr<TGameImage> image, platform::ChannelId channel) {
    Length = length;
    Image = std::move(image);
    Channel = channel;
    return Reset();
}

int TFade::Reset() {
    StartTime = LastTime = static_cast<float>(Game->GetPlatform().GetClock().Millisecs());
    Elapsed = 0;
    return 1;
}

int TFade::CentreImage() {
    if (!Image) return 0;
    X = (VirtualWidth - Image->w) / 2;
    Y = (VirtualHeight - Image->h) / 2;
    return 1;
}

int TFade::FadeDo(int out) {
    Out = out;
    FlushKeysAndMouse();
    platform::Clock& clock = Game->GetPlatform().GetClock();
    for (;;) {
        if (Elapsed > Length) {
            ResetDrawingState();
            return 1;
        }
        if (Skipped()) {
            ResetDrawingState();
            FlushKeysAndMouse();
            return -1;
        }
        const float now = static_cast<float>(clock.Millisecs());
        Elapsed = now - StartTime;
        Ratio = Length > 0 ? std::clamp(Elapsed / Length, 0.0f, 1.0f) : 1.0f;
        if (Out == 1) Ratio = 1 - Ratio;
        if (Background) MoveBackground(now, Elapsed);
        Draw();
    }
}

int TFade::WaitForTime(float ms) {
    Out = -1;
    Reset();
    Ratio = 1;
    platform::Clock& clock = Game->GetPlatform().GetClock();
    while (Elapsed <= ms) {
        const float now = static_cast<float>(clock.Millisecs());
        Elapsed = now - StartTime;
        if (Skipped()) return -1;
        if (Background) MoveBackground(now, Elapsed);
        Draw();
    }
    return 0;
}

int TFade::MoveBackground(float now, float elapsed) {
    const float seconds = (now - LastTime) / 1000.0f;
    BackgroundX += seconds * BackgroundXSpeed;
    BackgroundY += seconds * BackgroundYSpeed;
    BackgroundZoom += seconds * BackgroundZoomSpeed;
    if (Out == -1 || BackgroundFadeTime <= 0) {
        BackgroundAlpha = 1;
    } else if (Out == 0) {
        BackgroundAlpha = std::min(1.0f, elapsed / BackgroundFadeTime);
    } else {
        BackgroundAlpha = std::max(0.0f, 1 - (elapsed - (Length - BackgroundFadeTime)) / BackgroundFadeTime);
    }
    LastTime = now;
    return 1;
}

int TFade::Draw() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (Game->ClsColor) graphics.SetClsColor(Game->ClsColor->r, Game->ClsColor->g, Game->ClsColor->b);
    if (Game->NeedsCLSWidescreen()) {
        Game->CLSWidescreen();
    } else {
        graphics.Cls();
    }
    if (Background && Background->image) {
        graphics.SetBlend(platform::BlendMode::Alpha);
        graphics.SetScale(BackgroundZoom, BackgroundZoom);
        graphics.SetAlpha(BackgroundAlpha);
        Background->Draw(-BackgroundX * BackgroundZoom, -BackgroundY * BackgroundZoom, 0);
        graphics.SetScale(1, 1);
    }
    if (Image && Image->image) {
        graphics.SetBlend(platform::BlendMode::Alpha);
        graphics.SetAlpha(Ratio);
        Image->Draw(static_cast<float>(X), static_cast<float>(Y), 0);
    }
    if (Channel) Game->GetPlatform().GetAudio().SetVolume(Channel, Ratio * Game->SoundVolume / 100.0f);
    graphics.Flip(FlipSync);
    return 1;
}

int TFade::Full() {
    Ratio = 1;
    return Draw();
}

int TFade::Zero() {
    Ratio = 0;
    return Draw();
}
