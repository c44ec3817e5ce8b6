#include "framework/ui/ScrollBar.h"

#include <algorithm>
#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/Button.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MousePointer.h"
#include "platform/Graphics.h"

namespace {

constexpr int kRepeatFirstMs = 400, kRepeatMs = 100;

}  // namespace

std::shared_ptr<TScrollBar> TScrollBar::Create(std::shared_ptr<TGameImage> slider, int size, double maximum,
                                               float x, float y, int vertical) {
    auto bar = std::make_shared<TScrollBar>();
    bar->Slider = std::move(slider);
    bar->Size = size;
    bar->ValueMax = maximum;
    bar->Vertical = vertical;
    bar->SetCoords(x, y);
    bar->wheelSeen_ = Game->Mouse->WheelTotal;
    bar->SetValue(0);
    return bar;
}

int TScrollBar::FreeLength() const {
    const int slider = Slider ? (Vertical ? Slider->h : Slider->w) : 0;
    return std::max(0, Size - slider);
}

int TScrollBar::SliderSetPosition(double value) {
    SliderPosition = ValueMax > 0 ? static_cast<int>(std::floor(value * FreeLength() / ValueMax + 0.5)) : 0;
    return 1;
}

int TScrollBar::ValueCalc() {
    const int free = FreeLength();
    ValuePrecise = ValueMax > 0 && free > 0 ? SliderPosition / (free / ValueMax) : 0;
    return ValueRound();
}

int TScrollBar::ValueRound() {
    Value = static_cast<int>(std::lround(ValuePrecise));
    return 1;
}

int TScrollBar::SetValue(double value) {
    SliderSetPosition(value);
    ValueCalc();
    return DisableButtons();
}

int TScrollBar::DisableButtons() {
    if (!Menu) return 1;
    if (auto up = Menu->FindButton(UpName)) up->Disabled = ValuePrecise <= 0;
    if (auto down = Menu->FindButton(DownName)) down->Disabled = ValuePrecise >= ValueMax;
    return 1;
}

int TScrollBar::SetArrows(const std::string& up, const std::string& down, int ms) {
    Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
    auto upButton = Menu->DoAddNew(up, up + "MO", UpName);
    auto downButton = Menu->DoAddNew(down, down + "MO", DownName);
    const float sliderAcross = Slider ? static_cast<float>(Vertical ? Slider->w : Slider->h) : 0;
    for (const auto& button : {upButton, downButton}) {
        button->MouseClickDuration = static_cast<float>(Game->CalcAnimLength(ms));
        button->ClickDisabled = 0;
        button->SetupMouseRepeat(kRepeatFirstMs, kRepeatMs);
    }
    // Centred across the track, the up arrow just before its start and the down arrow just after its end.
    if (Vertical) {
        upButton->MoveTo(X + (sliderAcross - upButton->Width()) / 2, Y - upButton->Height());
        downButton->MoveTo(X + (sliderAcross - downButton->Width()) / 2, Y + static_cast<float>(Size));
    } else {
        upButton->MoveTo(X - upButton->Width(), Y + (sliderAcross - upButton->Height()) / 2);
        downButton->MoveTo(X + static_cast<float>(Size), Y + (sliderAcross - downButton->Height()) / 2);
    }
    return DisableButtons();
}

int TScrollBar::SetBackground(std::shared_ptr<TGameImage> image, float x, float y) {
    Background = std::move(image);
    BackgroundX = x, BackgroundY = y;
    return 1;
}

int TScrollBar::SetCoords(float x, float y) {
    if (Menu) Menu->MoveTo(Menu->x + x - X, Menu->y + y - Y);
    X = x, Y = y;
    return 1;
}

int TScrollBar::Step(double by) {
    ValuePrecise = std::clamp(ValuePrecise + by, 0.0, std::max(0.0, ValueMax));
    ValueRound();
    SliderSetPosition(ValuePrecise);
    return DisableButtons();
}

int TScrollBar::Manage() {
    if (!active && !visible) return 0;
    TMousePointer& mouse = *Game->Mouse;
    const float along = static_cast<float>(Vertical ? mouse.y : mouse.x) - (Vertical ? Y : X);
    const float across = static_cast<float>(Vertical ? mouse.x : mouse.y) - (Vertical ? X : Y);
    const float sliderLength = Slider ? static_cast<float>(Vertical ? Slider->h : Slider->w) : 0;
    const float sliderWidth = Slider ? static_cast<float>(Vertical ? Slider->w : Slider->h) : 0;
    const bool overSlider = along >= static_cast<float>(SliderPosition) &&
                            along < static_cast<float>(SliderPosition) + sliderLength && across >= 0 &&
                            across < sliderWidth;
    SliderGlow = std::max(0.0f, SliderGlow - GlowSpeed * Delta);
    if ((FixedGlowOnMO && overSlider) || SliderSelected) SliderGlow = GlowMax;

    if (mouse.GetMb(1)) {
        if (SliderSelected) {
            SliderPosition = std::clamp(static_cast<int>(along) - SliderOffset, 0, FreeLength());
            ValueCalc();
            DisableButtons();
            return 1;
        }
        if (overSlider && mouse.PeekHits(1) > 0) {
            mouse.MouseHit(1);
            SliderSelected = 1;
            SliderOffset = static_cast<int>(along) - SliderPosition;
            return 1;
        }
    } else {
        SliderSelected = 0;
    }
    // The wheel: turned up (away from the player) moves towards the start.
    const int notches = mouse.WheelTotal - wheelSeen_;
    wheelSeen_ = mouse.WheelTotal;
    if (notches != 0) Step(-notches * ValueStep);
    if (Menu) {
        Menu->Manage(0, 0);
        if (Menu->Clicked(UpName)) Step(-ValueStep);
        if (Menu->Clicked(DownName)) Step(ValueStep);
    }
    return 1;
}

int TScrollBar::Draw() {
    if (!visible) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(alpha);
    if (Background) Background->Draw(X + BackgroundX, Y + BackgroundY, 0);
    if (Slider) {
        const float position = static_cast<float>(SliderPosition);
        const float sx = Vertical ? X : X + position, sy = Vertical ? Y + position : Y;
        Slider->DrawCorner(sx, sy, 0);
        if (SliderGlow > 0) {
            graphics.SetBlend(platform::BlendMode::Light);
            graphics.SetAlpha(SliderGlow * alpha);
            Slider->DrawCorner(sx, sy, 0);
            graphics.SetBlend(platform::BlendMode::Alpha);
        }
    }
    graphics.SetAlpha(1);
    if (Menu) {
        Menu->SetAlpha(alpha);
        Menu->Draw(0, 0);
    }
    return 1;
}

int TScrollBar::Kill() {
    if (Menu) Menu->Kill();
    Menu.reset();
    Slider.reset();
    Background.reset();
    return 1;
}
