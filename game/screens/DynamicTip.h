#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/screens/TipFade.h"

class TBitmapFont;
class TGameImage;
class TTipArrow;

// One box of the tutorial: a header over a wrapped body on the tip picture. It fades in, stands until
// its time is up or a click inside it closes it (when it may be closed), and fades out with its arrow.
class TDynamicTip : public TTipFade {
public:
    std::shared_ptr<TTipArrow> associatedArrow;
    int imageIsMidhandled = 0;
    int roundedCoords = 1;
    int visible = 1;
    float x = 0, y = 0;
    std::string tag;  // what the tip is, for whoever listens ("Hint 1", "Hint 2b", "Hint Magic")
    int _closeable = 1;
    std::shared_ptr<TBitmapFont> _font, _headerFont;
    float _fontScale = 1.0f, _headerFontScale = 1.0f;
    int _headerDrawWidth = 0, _textDrawWidth = 0;
    float _headerTextYOffset = 0, _textYOffset = 0;
    std::string _headerText, _text;
    std::shared_ptr<TGameImage> _image;
    int _lineGap = 0;
    std::vector<std::string> _textWrapped;

    static std::shared_ptr<TDynamicTip> Create(std::shared_ptr<TGameImage> image, float x, float y,
                                               int headerDrawWidth, int textDrawWidth, int timeLimitMs,
                                               int closeable, const std::string& tag);
    int SetHeader(const std::string& text, std::shared_ptr<TBitmapFont> font, float yOffset);
    // Wraps the text to the body's width in the body's font.
    int SetText(const std::string& text, std::shared_ptr<TBitmapFont> font, int lineGap, float yOffset);
    // 1 when it has gone. A click inside a closeable tip closes it and is taken: nothing under the box
    // hears of it.
    int Logic();
    int StartFadeOut();
    int Draw() const;
    // The point is on the box's picture.
    bool Contains(int px, int py) const;
    float Left() const;
    float Top() const;
};
