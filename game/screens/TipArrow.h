#pragma once

#include <memory>
#include <string>

#include "framework/sprites/SineCounter.h"
#include "game/screens/TipFade.h"

class TBitmapFont;
class TGameImage;

// A bouncing arrow of the tutorial that points at a cell, a goal of the HUD or a shop item. It is placed
// by its tip and bounces back from it along the way it points; the goal arrows carry a word on their
// plaque.
class TTipArrow : public TTipFade {
public:
    int visible = 1;
    float x = 0, y = 0;  // where the tip points
    TSineCounter _bounceCounter;
    int _bounceDirectionX = 0, _bounceDirectionY = 0;
    float _bounceRange = 0, _bounceSpeed = 0;
    std::shared_ptr<TBitmapFont> _font;
    float _fontScale = 1.0f;
    std::shared_ptr<TGameImage> _image;
    std::string _text;
    float _textXOffset = 0, _textYOffset = 0;  // the text's middle, from the picture's top-left

    static std::shared_ptr<TTipArrow> Create(std::shared_ptr<TGameImage> image, float x, float y,
                                             int timeLimitMs);
    // It moves up to range pixels back from its tip and forth again, speed degrees of the swing a tick,
    // pointing along (dirX, dirY).
    int SetBounce(float range, float speed, int dirX, int dirY);
    int SetText(const std::string& text, std::shared_ptr<TBitmapFont> font, float xOffset, float yOffset);
    // 1 when it has gone.
    int Logic();
    // Fades out (hides at once without fading); 1 when it is hidden now.
    int StartFadeOut();
    int Draw() const;
    // The picture's top-left corner as it stands now.
    float Left() const;
    float Top() const;

private:
    float BounceBack() const;
};
