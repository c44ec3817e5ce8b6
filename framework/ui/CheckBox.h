#pragma once

#include <memory>

#include "platform/Audio.h"

class TGameImage;
class TGameSound;

// An on/off box drawn from a box picture (with a mouse-over look) and a tick; a click flips it.
class TCheckBox {
public:
    int active = 1;
    int disabled = 0;
    int checkOffsetX = 0, checkOffsetY = 0;  // the tick's place in the box
    float x = 0, y = 0;
    std::shared_ptr<TGameSound> clickSound, MOSound, disabledSound;
    int state = 1;  // ticked
    std::shared_ptr<TGameImage> _boxImage, _boxMOImage, _checkImage;
    int _mouseOver = 0;
    std::shared_ptr<TGameImage> _boxDisabledImage, _checkDisabledImage;
    // Each sound cuts its own last one short rather than piling up; the disabled sound is a click's.
    platform::ChannelId ChannelMouseOver = 0, ChannelClick = 0;

    static std::shared_ptr<TCheckBox> Create(std::shared_ptr<TGameImage> box,
                                             std::shared_ptr<TGameImage> boxMO,
                                             std::shared_ptr<TGameImage> check, float x, float y, int state);
    int Draw();
    int GetHeight() const;
    int GetWidth() const;
    int Kill();
    // 1 on the tick a click changed it.
    int Logic();
    int SetCheckOffsets(int dx, int dy);
    int SetSounds(std::shared_ptr<TGameSound> click, std::shared_ptr<TGameSound> mouseOver);
};
