#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/gfx/Font.h"
#include "framework/sprites/Box.h"
#include "framework/sprites/Color.h"
#include "framework/ui/MouseRepeat.h"
#include "platform/Audio.h"

class TGameImage;
class TGameSound;
class TScrollBar;

// A box of text lines from which the player picks one: by a click (a second click on the same line
// within the double-click time is a double click) or with the Up and Down keys, which repeat while held.
// With a scroll bar, the bar chooses the first line shown. Polled once a tick by its owner.
class TListBox {
public:
    TFont Font;
    int DrawBox = 1;
    TBox Box;
    std::shared_ptr<TGameImage> Background;
    int BackgroundOffsetX = 0, BackgroundOffsetY = 0;
    int TextBorder = 10;
    int Gap = 5;
    int LineYOffset = 0;
    int LineHeight = 0;
    int Centred = 0;
    std::vector<std::string> Strings;
    int Index = -1;  // the selected line, -1 for none
    int TopIndex = 0;
    std::string Value;  // the selected line's text
    int Clicked = 0;
    TColor HighlightCol{0, 0, 150, 1.0f};
    int HighlightUnder = 1;
    int HighlightTopBorder = 0, HighlightBottomBorder = 0;
    int DoubleClicked = -1;  // the line double-clicked, -1 for none
    float DoubleClickTime = 0, DoubleClickCounter = 0;  // ticks
    int Limit = 0;  // the most lines shown
    int RoundHeight = 1;
    int DisplayLines = 0;
    std::shared_ptr<TGameSound> ClickSound;
    platform::ChannelId ClickChannel = 0;
    int NoShadowOnHighlighted = 0;
    int ArrowKeysMoveHighlight = 1;
    std::vector<int> LockedArray;  // lines drawn as locked
    TColor LockedColor{120, 120, 120, 1.0f};
    std::shared_ptr<TScrollBar> ScrollBar;
    float Scale = 1, FontScale = 1;
    double OldScale = 1;
    TKeyRepeat UpKeyRepeat{400, 100}, DownKeyRepeat{400, 100};
    int RoundTextX = 1, RoundTextY = 1;

    // A list box at x, y, width wide, showing lines lines, with a double-click time of ms.
    static std::shared_ptr<TListBox> Create(float x, float y, int width, int lines, int doubleClickMs);
    int Init(float x, float y, int width, int lines, int doubleClickMs);
    int CalcLineHeight();
    int ClearIndex();
    int Draw();
    int DrawHighlight();
    // The line double-clicked since last asked, -1 for none; asking clears it.
    int GetDoubleClicked();
    // The top of a shown line on the screen.
    float GetIndexY(int index) const;
    // How many lines are shown: the limit, or all of them when fewer.
    int GetTempLimit() const;
    int Kill();
    int Manage();
    int PlayClick();
    int SetClickSound(std::shared_ptr<TGameSound> sound);
    int SetCoords(float x, float y, float w, float h);
    int SetIndex(int index);
    int SetTopIndex(int index);
    int SetupBox(std::shared_ptr<TColor> colour);
    int SetupFont(std::shared_ptr<TBitmapFont> imageFont, std::shared_ptr<TColor> colour,
                  std::shared_ptr<TShadow> shadow, std::shared_ptr<TBitmapFont> bitmapFont,
                  const TColor& highlight);
};
