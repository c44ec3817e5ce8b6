#pragma once

#include <memory>
#include <string>

#include "framework/sprites/Color.h"

class TBitmapFont;
class TGameSound;
class TShadow;

// A line of typed text: one typed character a tick from the framework's character queue, Backspace to
// take one back, Enter to finish (1) and Escape to give up (-1), a blinking cursor. Only printable
// characters are taken: 32-126, and 160-255 when European characters are allowed (any code from 160 with
// extended characters); control codes never reach the text. The text is kept in UTF-8.
class TTextInput {
public:
    std::string Text;
    int MaxLength = 10;     // in characters
    int MaxPixelWidth = 0;  // 0: no limit in pixels
    int CurrentChar = 1;    // the cursor, 1-based: the text's length + 1
    int Active = 0;
    int Done = 0;
    int ForceDraw = 0;  // drawn even when not active
    float X = 0, Y = 0;
    TColor TextCol, DotCol, CursorCol;
    std::shared_ptr<TShadow> TextShadow;
    int CursorYOffset = 0;
    std::shared_ptr<TBitmapFont> Font, BitmapFont;
    int DrawDots = 0;        // a dot for every character still free
    int DrawUnderscore = 1;  // the cursor is an underscore
    float CursorFlashCounter = 0, CursorFlashSpeed = 0;  // ticks
    int CursorOn = 1;
    int AllowEscToAbort = 1;
    int AllowNull = 1;  // Enter finishes an empty (or all-space) text too
    std::string BannedChars;
    int AllowEuropeanChars = 0;
    int AllowExtendedChars = 0;
    int NumbersOnly = 0;
    std::shared_ptr<TGameSound> TypingSound;
    int PlayTypingSoundOnEnter = 1;
    float OffsetX = 0, OffsetY = 0;
    int ClearTextOnEscape = 0;
    int UppercaseFirstCharAsTyped = 0;

    // Starts typing after text at x, y in bitmapFont (or imageFont without one): white text, grey dots, a
    // cyan cursor blinking every 250 ms.
    int Init(std::shared_ptr<TBitmapFont> imageFont, const std::string& text, float x, float y,
             std::shared_ptr<TBitmapFont> bitmapFont);
    // Typing again: active, the cursor after the text and lit.
    int Reset();
    int SetCursorFlashSpeed(int ms);
    // One tick: 1 when Enter finished the text, -1 when Escape gave it up, else 0.
    int Manage();
    int PlayTypingSound();
    // The characters that cannot stand in a file name are refused.
    int MakeCharsFileNameSafe();
    int Finish();
    // The width of text in the input's font, 0 without one.
    float GetWidth(const std::string& text) const;
    int Draw();

private:
    const TBitmapFont* Face() const;
    // Takes a typed printable character when the rules allow it.
    void Type(char32_t c);
};

// Whether text has anything but spaces.
bool HasNonSpace(const std::string& text);
