#include "game/screens/DynamicTip.h"

#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/Label.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/MousePointer.h"
#include "game/screens/TipArrow.h"

std::shared_ptr<TDynamicTip> TDynamicTip::Create(std::shared_ptr<TGameImage> image, float x, float y,
                                                 int headerDrawWidth, int textDrawWidth, int timeLimitMs,
                                                 int closeable, const std::string& tag) {
    auto tip = std::make_shared<TDynamicTip>();
    tip->_image = std::move(image);
    tip->x = x;
    tip->y = y;
    tip->_headerDrawWidth = headerDrawWidth;
    tip->_textDrawWidth = textDrawWidth;
    tip->_closeable = closeable;
    tip->tag = tag;
    tip->visible = 1;
    tip->Begin(1, timeLimitMs > 0 ? Game->CalcAnimLength(static_cast<float>(timeLimitMs)) : 0.0f);
    return tip;
}

int TDynamicTip::SetHeader(const std::string& text, std::shared_ptr<TBitmapFont> font, float yOffset) {
    _headerText = text;
    _headerFont = std::move(font);
    _headerTextYOffset = yOffset;
    return 1;
}

int TDynamicTip::SetText(const std::string& text, std::shared_ptr<TBitmapFont> font, int lineGap,
                         float yOffset) {
    _text = text;
    _font = std::move(font);
    _lineGap = lineGap;
    _textYOffset = yOffset;
    _textWrapped.clear();
    if (_font && !text.empty()) {
        _textWrapped = WrapText(*_font, text, static_cast<float>(_textDrawWidth), _fontScale);
    }
    return 1;
}

float TDynamicTip::Left() const {
    return imageIsMidhandled && _image ? x - _image->w2 : x;
}

float TDynamicTip::Top() const {
    return imageIsMidhandled && _image ? y - _image->h2 : y;
}

bool TDynamicTip::Contains(int px, int py) const {
    if (!_image) return false;
    const float left = Left(), top = Top();
    return px >= left && px < left + static_cast<float>(_image->w) && py >= top &&
           py < top + static_cast<float>(_image->h);
}

int TDynamicTip::Logic() {
    if (!visible) return 1;
    TMousePointer& mouse = *Game->Mouse;
    if (_closeable && !FadingOut() && _image) {
        // A tip that closes is the keyboard's too: Tab brings the focus to it and Enter closes it, so that
        // Escape keeps opening the menu and the arrows stay the board's.
        const bool pressed = KeyFocus.Offer(this, Left(), Top(), static_cast<float>(_image->w),
                                            static_cast<float>(_image->h), TKeyFocus::kTabOnly);
        const bool clicked = !pressed && mouse.PeekHits(1) && Contains(mouse.x, mouse.y);
        if (clicked) mouse.MouseHit(1);
        if ((pressed || clicked) && StartFadeOut()) return 1;
    }
    if (Step(Delta)) visible = 0;
    return visible ? 0 : 1;
}

int TDynamicTip::StartFadeOut() {
    if (associatedArrow) associatedArrow->StartFadeOut();
    if (TTipFade::StartFadeOut() || _fade) return 0;
    visible = 0;
    return 1;
}

int TDynamicTip::Draw() const {
    if (!visible || _fadeLevel <= 0) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(_fadeLevel);
    float left = Left(), top = Top();
    if (roundedCoords) left = std::round(left), top = std::round(top);
    if (_image) _image->DrawCorner(left, top, 0);
    const float middle = left + (_image ? _image->w2 : 0.0f);
    if (_headerFont && !_headerText.empty()) {
        // A long header is narrowed to its room.
        const double fit = _headerFont->CalcReducedScale(_headerText, _headerDrawWidth / _headerFontScale);
        const float scale = _headerFontScale * static_cast<float>(std::min(1.0, fit));
        graphics.SetScale(scale, scale);
        _headerFont->DrawAligned(_headerText, middle, top + _headerTextYOffset, 3);
        graphics.SetScale(1, 1);
    }
    if (_font && !_textWrapped.empty()) {
        graphics.SetScale(_fontScale, _fontScale);
        _font->DrawStringArray(_textWrapped, middle, top + _textYOffset, 1, 0, 1, 1, 0, _lineGap);
        graphics.SetScale(1, 1);
    }
    graphics.SetAlpha(1);
    return 1;
}
