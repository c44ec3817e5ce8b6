#include "framework/ui/CheckBox.h"

#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/GameChannel.h"
#include "framework/core/GameSound.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/MousePointer.h"

namespace {

void Play(platform::ChannelId& channel, const std::shared_ptr<TGameSound>& sound) {
    if (sound) sound->PlayInChannel(channel, 0);
}

}  // namespace

std::shared_ptr<TCheckBox> TCheckBox::Create(std::shared_ptr<TGameImage> box,
                                             std::shared_ptr<TGameImage> boxMO,
                                             std::shared_ptr<TGameImage> check, float px, float py,
                                             int ticked) {
    auto checkBox = std::make_shared<TCheckBox>();
    checkBox->_boxImage = std::move(box);
    checkBox->_boxMOImage = std::move(boxMO);
    checkBox->_checkImage = std::move(check);
    checkBox->x = px, checkBox->y = py;
    checkBox->state = ticked;
    return checkBox;
}

int TCheckBox::GetWidth() const {
    return _boxImage ? _boxImage->w : 0;
}

int TCheckBox::GetHeight() const {
    return _boxImage ? _boxImage->h : 0;
}

int TCheckBox::Logic() {
    TMousePointer& mouse = *Game->Mouse;
    const bool keyed =
        active && KeyFocus.Offer(this, x, y, static_cast<float>(GetWidth()), static_cast<float>(GetHeight()));
    const bool over = mouse.x >= x && mouse.x < x + static_cast<float>(GetWidth()) && mouse.y >= y &&
                      mouse.y <= y + static_cast<float>(GetHeight());
    if (!over) {
        _mouseOver = 0;
        if (!keyed) return 0;
    } else if (!disabled) {
        if (!_mouseOver) Play(ChannelMouseOver, MOSound);
        _mouseOver = 1;
    }
    if (!keyed && !mouse.MouseHit(1)) return 0;
    if (disabled) {
        Play(ChannelClick, disabledSound);
        return 0;
    }
    state = !state;
    Play(ChannelClick, clickSound);
    return 1;
}

int TCheckBox::Draw() {
    if (!active) return 0;
    const auto& box = disabled && _boxDisabledImage ? _boxDisabledImage
                      : _mouseOver && _boxMOImage   ? _boxMOImage
                                                    : _boxImage;
    if (box) box->DrawCorner(std::floor(x), std::floor(y), 0);
    const auto& check = disabled && _checkDisabledImage ? _checkDisabledImage : _checkImage;
    if (state && check)
        check->DrawCorner(std::floor(x) + static_cast<float>(checkOffsetX),
                          std::floor(y) + static_cast<float>(checkOffsetY), 0);
    return 1;
}

int TCheckBox::Kill() {
    if (Game) {
        platform::Audio& audio = Game->GetPlatform().GetAudio();
        ReleaseChannel(audio, ChannelMouseOver);
        ReleaseChannel(audio, ChannelClick);
    }
    ChannelMouseOver = ChannelClick = 0;
    _boxImage.reset();
    _boxMOImage.reset();
    _checkImage.reset();
    _boxDisabledImage.reset();
    _checkDisabledImage.reset();
    return 1;
}

int TCheckBox::SetCheckOffsets(int dx, int dy) {
    checkOffsetX = dx, checkOffsetY = dy;
    return 1;
}

int TCheckBox::SetSounds(std::shared_ptr<TGameSound> click, std::shared_ptr<TGameSound> mouseOver) {
    clickSound = std::move(click);
    MOSound = std::move(mouseOver);
    return 1;
}
