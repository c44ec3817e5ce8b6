#include "game/screens/TipArrow.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameImage.h"

std::shared_ptr<TTipArrow> TTipArrow::Create(std::shared_ptr<TGameImage> image, float x, float y,
                                             int timeLimitMs) {
    auto arrow = std::make_shared<TTipArrow>();
    arrow->_image = std::move(image);
    arrow->x = x;
    arrow->y = y;
    arrow->Begin(1, timeLimitMs > 0 ? Game->CalcAnimLength(static_cast<float>(timeLimitMs)) : 0.0f);
    return arrow;
}

int TTipArrow::SetBounce(float range, float speed, int dirX, int dirY) {
    _bounceRange = range;
    _bounceSpeed = speed;
    _bounceDirectionX = dirX;
    _bounceDirectionY = dirY;
    _bounceCounter.Init(0, 360, speed, 0);
    return 1;
}

int TTipArrow::SetText(const std::string& text, std::shared_ptr<TBitmapFont> font, float xOffset,
                       float yOffset) {
    _text = text;
    _font = std::move(font);
    _textXOffset = xOffset;
    _textYOffset = yOffset;
    return 1;
}

int TTipArrow::Logic() {
    if (!visible) return 1;
    _bounceCounter.Manage();
    if (Step(Delta)) visible = 0;
    return visible ? 0 : 1;
}

int TTipArrow::StartFadeOut() {
    if (TTipFade::StartFadeOut()) return 0;
    if (_fade) return 0;
    visible = 0;
    return 1;
}

float TTipArrow::BounceBack() const {
    // At the top of the swing the tip touches its target; at the bottom it stands range pixels back.
    return _bounceRange * (1.0f - _bounceCounter.ratio) / 2.0f;
}

// The arrows are drawn by their tip: a downward arrow's tip is at the middle of its foot, a leftward
// one's at the middle of its left end, three pixels in.
float TTipArrow::Left() const {
    if (!_image) return x;
    const float tipX = _bounceDirectionX < 0   ? 3.0f
                       : _bounceDirectionX > 0 ? _image->w - 3.0f
                                               : _image->w / 2.0f;
    return x - tipX - BounceBack() * static_cast<float>(_bounceDirectionX);
}

float TTipArrow::Top() const {
    if (!_image) return y;
    const float tipY = _bounceDirectionY > 0   ? _image->h - 3.0f
                       : _bounceDirectionY < 0 ? 3.0f
                                               : _image->h / 2.0f;
    return y - tipY - BounceBack() * static_cast<float>(_bounceDirectionY);
}

int TTipArrow::Draw() const {
    if (!visible || !_image || _fadeLevel <= 0) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(_fadeLevel);
    const float left = Left(), top = Top();
    _image->DrawCorner(left, top, 0);
    if (_font && !_text.empty()) {
        const float scale = _fontScale;
        graphics.SetScale(scale, scale);
        _font->DrawAligned(_text, left + _textXOffset, top + _textYOffset, 3);
        graphics.SetScale(1, 1);
    }
    graphics.SetAlpha(1);
    return 1;
}
