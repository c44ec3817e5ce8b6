#include "game/screens/OptionsScreen.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/GameChannel.h"
#include "framework/core/GameSound.h"
#include "framework/core/Input.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/profile/Profile.h"
#include "framework/screens/GameFade.h"
#include "framework/ui/Button.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MousePointer.h"
#include "framework/ui/Slider.h"
#include "game/save/SaveData.h"
#include "platform/KeyCodes.h"

std::shared_ptr<TOptionsScreen> OptionsScreen;

namespace {

constexpr int kFadeMs = 300;
constexpr int kToggleTop = 421, kToggleGap = 47;
// The dot's centre keeps to the bar's groove; the pointer still counts as over the bar this far above
// and below it.
constexpr int kSliderBorder = 10, kSliderBorderY = 8;
constexpr int kDotRaise = 5;
constexpr int kMenuY = 612, kCreditsRight = 200;
constexpr float kHeaderY = 96;  // the middle of the background's title plate
constexpr const char* kMusic = "title.ogg";

std::string OptionsFolder() {
    return Game->MenuPath + "OptionsScreen/";
}

}  // namespace

TOptionsScreen::TOptionsScreen() {
    name = "options";
}

std::shared_ptr<TCheckBox> TOptionsScreen::LoadToggle(int on, const std::string& name) {
    const std::string folder = OptionsFolder();
    const auto picture = [&folder](const char* file) {
        return TGameImage::Create(folder + file, kDefaultImageFlags, 0);
    };
    const float y = static_cast<float>(kToggleTop + kToggleGap * static_cast<int>(toggles_.size()));
    auto box = TCheckBox::Create(picture("CheckBox.png"), picture("CheckBoxMO.png"), picture("CheckMark.png"),
                                 CHECK_BOX_X, y, on ? 1 : 0);
    box->SetCheckOffsets(2, -3);
    box->SetSounds(SoundBank.Find("ButtonClick"), SoundBank.Find("ButtonMO"));
    toggles_.emplace_back(box, name);
    return box;
}

int TOptionsScreen::Load() {
    ImageLoad("Backgrounds/OptionsBackground.jpg", -1, 0);
    OptionsFont = GameFonts.GUIFont;
    click_ = SoundBank.Find("SliderClick");

    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
    // The OK picture carries its word.
    auto ok = Menu->AddQuickAuto("OK", "ok");
    if (CreditsDestination) {
        auto credits = Menu->AddQuickAuto("Button", "credits");
        credits->SetupCaption(GameText.FindString("Button Credits"), GameFonts.Button, nullptr, nullptr,
                              nullptr, nullptr);
        // Side by side, their middles on one line.
        credits->MoveTo(ok->x + kCreditsRight, ok->y + (ok->Height() - credits->Height()) / 2);
    }
    Menu->CentreHoriz();
    Menu->SetY(kMenuY);

    toggles_.clear();
    FullScreenCheckBox = LoadToggle(Game->FullScreen, "Options Full Screen");
    TipsCheckBox = LoadToggle(SaveData.showTips, "Options Show Tips");
    CustomCursorCheckBox = LoadToggle(Game->CustomMousePointer, "Options Custom Cursor");

    const float sliderX = static_cast<float>((VirtualWidth - SLIDER_WIDTH) / 2);
    const auto slider = [&](int row, int value) {
        auto s =
            TSlider::CreateSpecial("slider", "Dot", sliderX, static_cast<float>(SLIDER_Y + row * SLIDER_GAP),
                                   kSliderBorder, OptionsFolder(), kSliderBorderY);
        s->SetValue(value);
        s->DotY -= kDotRaise;
        return s;
    };
    MusicSlider = slider(0, Game->MusicVolume);
    SoundSlider = slider(1, Game->SoundVolume);
    volumesUnsaved_ = false;
    return 1;
}

int TOptionsScreen::Start() {
    TScreen::Start();
    // The game's own Escape handling would leave without saving.
    Game->IgnoreEscapeKey = 1;
    // Back from the credits it opened, the screen keeps the way back it had.
    const bool fromCredits = Game->LastTScreen && Game->LastTScreen->name == "credits";
    if (!fromCredits || !Destination) {
        Destination = ReturnDestination ? ReturnDestination() : nullptr;
        if (!Destination) Destination = Game->LastTScreen;
    }
    if (Game->MusicName != kMusic || !Game->MusicIsPlaying()) {
        Game->MusicLoad(kMusic, 1);
        Game->MusicPlay(1, 0, 0);
    } else {
        // The track may come on from a screen that faded it out.
        Game->MusicSetVolume(Game->MusicVolume, 0);
    }
    Game->GameFade->Init(kFadeMs, 0, 0, 0, 0, nullptr);
    Game->FixedRateLogic.Init();
    return 1;
}

int TOptionsScreen::Kill() {
    Game->IgnoreEscapeKey = 0;
    for (auto* slider : {&MusicSlider, &SoundSlider}) {
        if (*slider) (*slider)->Kill();
        slider->reset();
    }
    for (auto& [box, label] : toggles_) box->Kill();
    toggles_.clear();
    FullScreenCheckBox.reset();
    TipsCheckBox.reset();
    CustomCursorCheckBox.reset();
    ReleaseChannel(Game->GetPlatform().GetAudio(), ChannelClick);
    ChannelClick = 0;
    click_.reset();
    return TScreen::Kill();
}

int TOptionsScreen::ClickSound() {
    return click_ ? click_->PlayInChannel(ChannelClick, 0) : 0;
}

int TOptionsScreen::Close() {
    if (Game->GameFade->Active) return 0;
    Game->IniUpdate(1);
    volumesUnsaved_ = false;
    if (Game->CurrentProfile) Game->CurrentProfile->Save();
    Game->FixedRateLogic.Init();
    FadeOutTo(Destination ? Destination : Game->ExitScreen.get(), kFadeMs, 0);
    return 1;
}

int TOptionsScreen::SetEscDestination() {
    Close();
    return kFadeMs;
}

void TOptionsScreen::ManageSliders() {
    if (MusicSlider->Manage() && MusicSlider->Value != Game->MusicVolume) {
        Game->MusicSetVolume(MusicSlider->Value, 0);
        volumesUnsaved_ = true;
    }
    if (SoundSlider->Manage() && SoundSlider->Value != Game->SoundVolume) {
        Game->SoundSetVolume(SoundSlider->Value, 0);
        ClickSound();
        volumesUnsaved_ = true;
    }
    // Written once the dot is let go rather than on every step of a drag.
    if (volumesUnsaved_ && !Game->Mouse->GetMb()) {
        volumesUnsaved_ = false;
        Game->IniUpdate(1);
        Game->FixedRateLogic.Init();
    }
}

void TOptionsScreen::ManageToggles() {
    if (FullScreenCheckBox->Logic()) Game->ToggleFullScreen();
    // Whatever a switch achieved (and whatever else switched it), the box shows the display as it is.
    FullScreenCheckBox->state = Game->FullScreen ? 1 : 0;
    if (TipsCheckBox->Logic()) SaveData.showTips = TipsCheckBox->state;
    if (CustomCursorCheckBox->Logic()) Game->ToggleCustomMousePointer();
    CustomCursorCheckBox->state = Game->CustomMousePointer ? 1 : 0;
}

int TOptionsScreen::Logic() {
    if (Game->GameFade->Active) return 1;
    TScreen::Logic();
    ManageSliders();
    if (Menu->Clicked("credits") && CreditsDestination) {
        if (TScreen* credits = CreditsDestination()) return FadeOutTo(credits, kFadeMs, 0);
    }
    if (KeyHit(platform::vk::kEscape)) {
        if (auto ok = Menu->FindButton("ok")) ok->SimulateClick();
        return Close();
    }
    if (Menu->Clicked("ok")) return Close();
    ManageToggles();
    return 1;
}

void TOptionsScreen::DrawLabels() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (GameFonts.BigText) {
        graphics.SetScale(0.8f, 0.8f);
        GameFonts.BigText->DrawAligned(GameText.FindString("Options Header"), 512, kHeaderY, 3);
        graphics.SetScale(1, 1);
    }
    if (!OptionsFont) return;
    const struct {
        const char* key;
        const TSlider& slider;
    } sliders[] = {{"Options Music", *MusicSlider}, {"Options Sound", *SoundSlider}};
    for (const auto& [key, slider] : sliders) {
        OptionsFont->DrawAligned(GameText.FindString(key), slider.x + static_cast<float>(slider.w) / 2,
                                 slider.y - 22, 3);
    }
    for (const auto& [box, label] : toggles_) {
        // Right-aligned beside the box, centred on its height.
        OptionsFont->Draw(GameText.FindString(label), CHECK_BOX_X - 24.0f,
                          box->y + static_cast<float>(box->GetHeight()) / 2, 0, 1, 1, 1, 0, 1);
    }
}

int TOptionsScreen::Draw() {
    TScreen::Draw();
    DrawLabels();
    MusicSlider->Draw();
    SoundSlider->Draw();
    for (auto& [box, label] : toggles_) box->Draw();
    return 1;
}
