#include "framework/ui/Slider.h"

#include <algorithm>
#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/Input.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/MousePointer.h"
#include "platform/KeyCodes.h"

TSlider* TSlider::dragged_ = nullptr;

namespace {

std::string WithPng(const std::string& file) {
    return file.find('.') == std::string::npos ? file + ".png" : file;
}

}  // namespace

TSlider::~TSlider() {
    if (dragged_ == this) dragged_ = nullptr;
}

std::shared_ptr<TSlider> TSlider::CreateSpecial(const std::string& barFile, const std::string& dotFile,
                                                float px, float py, int border, const std::string& folder,
                                                int borderY) {
    auto slider = std::make_shared<TSlider>();
    slider->Load(barFile, dotFile, folder);
    slider->SetPosition(px, py);
    slider->Border = border;
    slider->BorderY = borderY;
    slider->SetValue(50);
    slider->DotY = static_cast<int>(py);
    slider->active = 1;
    return slider;
}

int TSlider::Load(const std::string& barFile, const std::string& dotFile, const std::string& folder) {
    return LoadImages(folder + WithPng(barFile), folder + WithPng(dotFile));
}

int TSlider::LoadImages(const std::string& barPath, const std::string& dotPath) {
    SetImage(TGameImage::Create(barPath, kDefaultImageFlags, 0));
    DotImage = TGameImage::Create(dotPath, kDefaultImageFlags, 1);
    return 1;
}

int TSlider::Init() {
    Value = 50;
    MouseOver = 0;
    if (dragged_ == this) dragged_ = nullptr;
    return TSprite::Init();
}

int TSlider::SetValue(int value) {
    Value = std::clamp(value, 0, 100);
    const float handle = DotImage && DotImage->midhandled ? DotImage->w2 : 0.0f;
    const float track = static_cast<float>(w - 2 * Border);
    DotX = static_cast<int>(x + static_cast<float>(Border) + static_cast<float>(Value) / 100.0f * track -
                            handle);
    return 1;
}

int TSlider::ValueAt(int mouseX) const {
    const float mx = static_cast<float>(mouseX);
    if (mx <= x + static_cast<float>(Border)) return 0;
    if (mx >= x + static_cast<float>(w - Border)) return 100;
    const float ratio = (mx - x - static_cast<float>(Border)) / static_cast<float>(w - 2 * Border);
    return static_cast<int>(std::floor(ratio * 100.0f + 0.5f));
}

int TSlider::Manage() {
    if (!active) return 0;
    KeyFocus.Offer(this, x, y, static_cast<float>(w), static_cast<float>(h), TKeyFocus::kLeftRight);
    if (KeyFocus.ShowsOn(this)) {
        if (KeyHit(platform::vk::kLeft)) return SetValue(Value - kKeyStep);
        if (KeyHit(platform::vk::kRight)) return SetValue(Value + kKeyStep);
    }
    const TMousePointer& mouse = *Game->Mouse;
    const float mx = static_cast<float>(mouse.x), my = static_cast<float>(mouse.y);
    const bool over = mx >= x - kReachX && mx < x + static_cast<float>(w + kReachX) &&
                      my >= y - static_cast<float>(BorderY) && my < y + static_cast<float>(h + BorderY);
    MouseOver = over ? 1 : 0;
    if (!mouse.GetMb()) {
        if (dragged_ == this) dragged_ = nullptr;
        return 0;
    }
    if (dragged_ != this && (dragged_ || !over)) return 0;
    dragged_ = this;
    return SetValue(ValueAt(mouse.x));
}

int TSlider::Draw() {
    if (!active) return 0;
    Game->GetPlatform().GetGraphics().SetBlend(platform::BlendMode::Alpha);
    if (image) image->DrawCorner(x, y, 0);
    if (DotImage) DotImage->DrawCorner(static_cast<float>(DotX), static_cast<float>(DotY), 0);
    return 1;
}

int TSlider::Kill() {
    if (dragged_ == this) dragged_ = nullptr;
    image.reset();
    DotImage.reset();
    return TSprite::Kill();
}
