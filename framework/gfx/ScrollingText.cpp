#include "framework/gfx/ScrollingText.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/Label.h"

std::shared_ptr<TScrollingText> TScrollingText::Create(std::shared_ptr<TBitmapFont> font, const std::string& text,
                                                       float x, float top, float bottom) {
    auto scroller = std::make_shared<TScrollingText>();
    scroller->Font = std::move(font);
    scroller->X = x;
    scroller->Top = top;
    scroller->Bottom = bottom;
    // Splitting without a width keeps every line whole.
    scroller->Lines = WrapText(*scroller->Font, text, 1e9f, 1);
    bool afterGap = true;
    for (const std::string& line : scroller->Lines) {
        scroller->Headings.push_back(afterGap && !line.empty());
        afterGap = line.empty();
    }
    return scroller;
}

int TScrollingText::LineGap() const {
    return Font ? Font->GetLineGap() : 0;
}

float TScrollingText::BlockHeight() const {
    return static_cast<float>(Lines.size()) * static_cast<float>(LineGap());
}

float TScrollingText::LineY(size_t i) const {
    return Bottom - Offset + static_cast<float>(i) * static_cast<float>(LineGap());
}

int TScrollingText::Manage() {
    Offset += Speed * Delta;
    // The run is over when the last line's foot has passed the top of the window.
    if (Offset > BlockHeight() + (Bottom - Top)) {
        Offset = 0;
        ++Passes;
    }
    return 1;
}

int TScrollingText::Draw() const {
    if (!Font) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Alpha);
    const float gap = static_cast<float>(LineGap());
    for (size_t i = 0; i < Lines.size(); ++i) {
        const float y = LineY(i);
        if (y + gap < Top || y > Bottom || Lines[i].empty()) continue;
        const float middle = y + gap / 2;
        const float edge = std::min(middle - Top, Bottom - middle);
        graphics.SetAlpha(std::clamp(edge / FadeBand, 0.0f, 1.0f));
        const bool heading = i < Headings.size() && Headings[i];
        if (heading) graphics.SetColor(HeadingR, HeadingG, HeadingB);
        Font->Draw(Lines[i], X, y, 1);
        if (heading) graphics.SetColor(255, 255, 255);
    }
    graphics.SetAlpha(1);
    return 1;
}
