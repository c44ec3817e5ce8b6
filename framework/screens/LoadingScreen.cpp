#include "framework/screens/LoadingScreen.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/Button.h"
#include "framework/ui/MousePointer.h"
#include "platform/KeyCodes.h"
#include "platform/files/Files.h"

namespace {

platform::Graphics& Graphics() {
    return Game->GetPlatform().GetGraphics();
}

int ImageFlags() {
    return Game->UsingVirtualResolution ? kFilteredImageFlag : kDefaultImageFlags;
}

// The picture when its file exists, else none.
std::shared_ptr<TGameImage> OptionalImage(const std::string& path) {
    if (!platform::files::Exists(platform::files::Resolve(path))) return nullptr;
    return TGameImage::Create(path, ImageFlags(), 0);
}

}  // namespace

int TLoadingBar::Init(std::shared_ptr<TGameImage> image, std::shared_ptr<TGameImage> empty,
                      std::shared_ptr<TGameImage> final) {
    Image = std::move(image);
    EmptyImage = std::move(empty);
    FinalImage = std::move(final);
    for (const auto* picture : {&Image, &EmptyImage, &FinalImage}) {
        if (*picture) (*picture)->MidHandle(0);
    }
    x = y = 0;
    w = Image ? Image->w : 0;
    h = Image ? Image->h : 0;
    Position = Steps = StepSize = 0;
    CurrentStep = Finished = 0;
    return 1;
}

int TLoadingBar::Centre(int top) {
    x = (VirtualWidth - w) / 2;
    y = top;
    return 1;
}

int TLoadingBar::SetSteps(int n) {
    Steps = static_cast<float>(n);
    StepSize = n > 0 ? static_cast<float>(w) / static_cast<float>(n) : 0;
    return 1;
}

int TLoadingBar::SetBackgroundColour(int r, int g, int b) {
    BgR = r, BgG = g, BgB = b;
    return 1;
}

int TLoadingBar::SetBorderColour(int r, int g, int b) {
    BorderR = r, BorderG = g, BorderB = b;
    return 1;
}

int TLoadingBar::Progress() {
    ++CurrentStep;
    Position = std::min(static_cast<float>(CurrentStep) * StepSize, static_cast<float>(w));
    if (static_cast<float>(CurrentStep) == Steps) Finished = 1;
    return 1;
}

int TLoadingBar::Draw() {
    if (Mode == 1 && !Image) return 0;
    platform::Graphics& graphics = Graphics();
    const float px = static_cast<float>(x), py = static_cast<float>(y);
    if (Finished && FinalImage) {
        graphics.SetBlend(platform::BlendMode::Alpha);
        if (DrawEmptyUnderFinal && EmptyImage) EmptyImage->Draw(px, py, 0);
        FinalImage->Draw(px, py, 0);
        return 1;
    }
    if (Mode == 0) {
        graphics.SetBlend(platform::BlendMode::Solid);
        graphics.SetColor(BgR, BgG, BgB);
        graphics.DrawRect(px, py, static_cast<float>(w), static_cast<float>(h));
        graphics.SetColor(BorderR, BorderG, BorderB);
        const float right = px + static_cast<float>(w) - 1, bottom = py + static_cast<float>(h) - 1;
        graphics.DrawLine(px, py, right, py);
        graphics.DrawLine(right, py, right, bottom);
        graphics.DrawLine(right, bottom, px, bottom);
        graphics.DrawLine(px, bottom, px, py);
        graphics.SetColor(255, 255, 255);
    } else {
        graphics.SetBlend(platform::BlendMode::Alpha);
        if (Mode == 1 && EmptyImage) EmptyImage->Draw(px, py, 0);
    }
    if (Image && Image->image && Position > 0) {
        graphics.DrawSubImageRect(*Image->image, px, py, Position, static_cast<float>(h), 0, 0, Position,
                                  static_cast<float>(h), 0);
    }
    graphics.SetBlend(platform::BlendMode::Solid);
    return 1;
}

int TLoadingScreen::SpecialLoad(const std::string& background, const std::string& bar,
                                const std::string& loadingText) {
    name = "loading";
    ImageLoad(background, 0, 1);
    if (!bar.empty()) {
        const std::string path = Game->ImagePath + bar;
        const std::string stem = platform::files::FolderOf(path) + platform::files::StemOf(path);
        const std::string ext = platform::files::ExtensionOf(path);
        LoadingBar.Init(TGameImage::Create(path, ImageFlags(), 0), OptionalImage(stem + "empty" + ext),
                        OptionalImage(stem + "final" + ext));
    }
    LoadingTextImage = TGameImage::Create(Game->ImagePath + loadingText, ImageFlags(), 1);
    LoadingX = VirtualWidth / 2;
    LoadingY = VirtualHeight / 2;
    Finished = 0;
    Game->MusicNone();
    return 1;
}

int TLoadingScreen::SetSteps(int n) {
    return LoadingBar.SetSteps(n);
}

int TLoadingScreen::SetClickHereButton(const std::string& image, const std::string& mouseOverImage,
                                       std::shared_ptr<TGameSound> clickSound,
                                       std::shared_ptr<TGameSound> mouseOverSound, int top) {
    ClickHereButton = std::make_shared<TButton>();
    ClickHereButton->Load(image, std::move(mouseOverSound), mouseOverImage, std::move(clickSound), 0, 0, 1);
    ClickHereButton->CentreX(static_cast<float>(top));
    return 1;
}

int TLoadingScreen::DrawLoading(int full) {
    platform::Graphics& graphics = Graphics();
    if (full) {
        if (Game->NeedsCLSWidescreen()) {
            Game->CLSWidescreen();
        } else {
            graphics.Cls();
        }
    }
    const auto& picture = DrawLoadingTextImage2 && LoadingTextImage2 ? LoadingTextImage2 : LoadingTextImage;
    if (picture && (!full || Game->Music == 1)) {
        graphics.SetBlend(platform::BlendMode::Alpha);
        picture->Draw(static_cast<float>(LoadingX), static_cast<float>(LoadingY), 0);
        graphics.SetBlend(platform::BlendMode::Solid);
    }
    if (full) {
        if (!Game->FadeMouse) Game->Mouse->Draw();
        graphics.Flip(1);
    }
    return 1;
}

int TLoadingScreen::Progress() {
    LoadingBar.Progress();
    Finished = LoadingBar.Finished;
    if (Finished) {
        FlushKeysAndMouse();
        Game->Mouse->UpdateCoords();
    }
    return 1;
}

int TLoadingScreen::Kill() {
    TScreen::Kill();
    LoadingBar.Init(nullptr, nullptr, nullptr);
    LoadingTextImage.reset();
    LoadingTextImage2.reset();
    if (ClickHereButton) {
        ClickHereButton->Kill();
        ClickHereButton.reset();
    }
    if (CustomKillFunction) CustomKillFunction();
    return 1;
}

int TLoadingScreen::Logic() {
    if (ClickHereButton) {
        const bool button = ClickHereButton->Manage() == 1;
        const bool elsewhere =
            Game->Mouse->MouseHit() > 0 || (EscapeCloses == 0 && KeyHit(platform::vk::kEscape));
        if (!button && !elsewhere) return 1;
        // A click anywhere sounds like the button's own.
        if (!button) ClickHereButton->PlayClick();
    }
    FadeOutTo(Destination, DefaultFadeTime, FadeMusic);
    return 1;
}

int TLoadingScreen::Draw() {
    TScreen::Draw();
    if (Finished && ClickHereButton) {
        if (LoadingBar.FinalImage) LoadingBar.Draw();
        ClickHereButton->Draw();
    } else {
        LoadingBar.Draw();
        Graphics().SetBlend(platform::BlendMode::Alpha);
        if (!Finished) DrawLoading(0);
    }
    if (CustomDrawFunction) CustomDrawFunction();
    return 1;
}

int TLoadingScreen::Start() {
    TScreen::Start();
    if (EscapeCloses == 0) Game->IgnoreEscapeKey = 1;
    return 1;
}
