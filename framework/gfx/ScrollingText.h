#pragma once

#include <memory>
#include <string>
#include <vector>

class TBitmapFont;

// Lines of text rolling up through a window of the screen, centred on x: they rise from the window's foot,
// fade in and out along its edges and, once the last line has left at the top, start again from the foot.
class TScrollingText {
public:
    std::shared_ptr<TBitmapFont> Font;
    std::vector<std::string> Lines;
    float X = 0, Top = 0, Bottom = 0;
    float Speed = 0.25f;       // pixels a tick
    float FadeBand = 60;       // the height along each edge over which a line fades
    float Offset = 0;          // how far the block has risen from the foot of the window
    int Passes = 0;            // completed runs of the whole text
    // Whether a line is a heading: drawn in HeadingColour. Unset, every line is plain.
    std::vector<bool> Headings;
    int HeadingR = 235, HeadingG = 190, HeadingB = 95;

    // The text is split at its line breaks; a line that follows an empty line (or opens the text) is a
    // heading.
    static std::shared_ptr<TScrollingText> Create(std::shared_ptr<TBitmapFont> font, const std::string& text,
                                                  float x, float top, float bottom);
    int LineGap() const;
    // The height of the whole block of lines.
    float BlockHeight() const;
    // The y of line i's top on the screen.
    float LineY(size_t i) const;
    int Manage();
    int Draw() const;
};
