#include "framework/ui/ListBox.h"

#include <algorithm>
#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameImage.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/MousePointer.h"
#include "framework/ui/ScrollBar.h"
#include "platform/Graphics.h"
#include "platform/KeyCodes.h"

namespace {

constexpr int kKeyUp = 38, kKeyDown = 40;

}  // namespace

std::shared_ptr<TListBox> TListBox::Create(float x, float y, int width, int lines, int doubleClickMs) {
    auto box = std::make_shared<TListBox>();
    box->Init(x, y, width, lines, doubleClickMs);
    return box;
}

int TListBox::Init(float x, float y, int width, int lines, int doubleClickMs) {
    Font.Color = TColor::Create(255, 255, 255);
    Box.Color = TColor::Create(0, 0, 0);
    Limit = lines;
    DisplayLines = lines;
    DoubleClickTime = static_cast<float>(Game->CalcAnimLength(doubleClickMs));
    CalcLineHeight();
    return SetCoords(x, y, static_cast<float>(width), static_cast<float>(LineHeight * lines + 2 * TextBorder));
}

int TListBox::CalcLineHeight() {
    const TBitmapFont* face = Font.Face();
    const double height = face ? face->StringHeight("ABCXYZ") * FontScale : 16.0;
    LineHeight = static_cast<int>(RoundHeight ? std::lround(height) : height) + Gap;
    return LineHeight;
}

int TListBox::SetCoords(float x, float y, float w, float h) {
    Box.X = x, Box.Y = y, Box.W = w, Box.H = h;
    return 1;
}

int TListBox::SetupBox(std::shared_ptr<TColor> colour) {
    Box.Color = std::move(colour);
    DrawBox = 1;
    return 1;
}

int TListBox::SetupFont(std::shared_ptr<TBitmapFont> imageFont, std::shared_ptr<TColor> colour,
                        std::shared_ptr<TShadow> shadow, std::shared_ptr<TBitmapFont> bitmapFont,
                        const TColor& highlight) {
    Font.Init(std::move(imageFont), std::move(colour), std::move(shadow), 0, std::move(bitmapFont), nullptr, "list");
    HighlightCol = highlight;
    CalcLineHeight();
    return 1;
}

int TListBox::SetClickSound(std::shared_ptr<TGameSound> sound) {
    ClickSound = std::move(sound);
    return 1;
}

int TListBox::PlayClick() {
    return ClickSound ? ClickSound->PlayInChannel(ClickChannel, 0) : 0;
}

int TListBox::ClearIndex() {
    Index = -1;
    Value.clear();
    return 1;
}

int TListBox::SetIndex(int index) {
    if (index < 0 || index >= static_cast<int>(Strings.size())) return ClearIndex();
    Index = index;
    Value = Strings[static_cast<size_t>(index)];
    Clicked = 1;
    PlayClick();
    // The chosen line is kept in view.
    if (Index < TopIndex) SetTopIndex(Index);
    if (Index >= TopIndex + GetTempLimit()) SetTopIndex(Index - GetTempLimit() + 1);
    return 1;
}

int TListBox::SetTopIndex(int index) {
    const int most = std::max(0, static_cast<int>(Strings.size()) - GetTempLimit());
    TopIndex = std::clamp(index, 0, most);
    if (ScrollBar) ScrollBar->SetValue(TopIndex);
    return 1;
}

int TListBox::GetTempLimit() const {
    const int lines = static_cast<int>(Strings.size());
    return Limit > 0 ? std::min(Limit, lines) : lines;
}

float TListBox::GetIndexY(int index) const {
    return Box.Y + static_cast<float>(TextBorder) +
           static_cast<float>(index - TopIndex) * static_cast<float>(LineHeight) * Scale;
}

int TListBox::GetDoubleClicked() {
    const int line = DoubleClicked;
    DoubleClicked = -1;
    return line;
}

int TListBox::Manage() {
    if (ScrollBar) {
        ScrollBar->Manage();
        TopIndex = ScrollBar->Value;
    }
    // Enter on the list in the keyboard's focus chooses the selected line, as a double click does.
    if (KeyFocus.Offer(this, Box.X, Box.Y, Box.W, Box.H,
                       ArrowKeysMoveHighlight ? TKeyFocus::kUpDownAlways : TKeyFocus::kNone) &&
        Index >= 0) {
        DoubleClicked = Index;
    }
    TMousePointer& mouse = *Game->Mouse;
    if (mouse.PeekHits(1) > 0 && mouse.x >= Box.X && mouse.x < Box.X + Box.W) {
        for (int i = TopIndex; i < TopIndex + GetTempLimit(); ++i) {
            const float top = GetIndexY(i);
            if (mouse.y < top || mouse.y >= top + static_cast<float>(LineHeight) * Scale) continue;
            mouse.MouseHit(1);
            const bool again = DoubleClickCounter > 0 && i == Index;
            if (again) {
                DoubleClicked = i;
                DoubleClickCounter = 0;
            } else {
                ClearIndex();
                SetIndex(i);
                DoubleClickCounter = DoubleClickTime;
            }
            break;
        }
    }
    // While the keyboard's focus shows on another widget, the arrows are the focus's.
    if (ArrowKeysMoveHighlight && !KeyFocus.ShowsElsewhere(this)) {
        if (UpKeyRepeat.GetKey(kKeyUp) && Index > 0) SetIndex(Index - 1);
        if (DownKeyRepeat.GetKey(kKeyDown) && Index + 1 < static_cast<int>(Strings.size())) SetIndex(Index + 1);
    }
    if (DoubleClickCounter > 0) DoubleClickCounter = std::max(0.0f, DoubleClickCounter - Delta);
    return 1;
}

int TListBox::DrawHighlight() {
    if (Index < TopIndex || Index >= TopIndex + GetTempLimit()) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    HighlightCol.Set(graphics);
    const float top = GetIndexY(Index) - static_cast<float>(HighlightTopBorder);
    graphics.DrawRect(Box.X, top, Box.W,
                      static_cast<float>(LineHeight) * Scale + static_cast<float>(HighlightTopBorder + HighlightBottomBorder));
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    return 1;
}

int TListBox::Draw() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (DrawBox && Box.Color) {
        Box.Color->Set(graphics);
        graphics.DrawRect(Box.X, Box.Y, Box.W, Box.H);
    } else if (Background) {
        graphics.SetColor(255, 255, 255);
        graphics.SetAlpha(1);
        Background->Draw(Box.X + static_cast<float>(BackgroundOffsetX), Box.Y + static_cast<float>(BackgroundOffsetY), 0);
    }
    if (HighlightUnder) DrawHighlight();
    TBitmapFont* face = Font.BitmapFont ? Font.BitmapFont.get() : Font.ImageFont.get();
    if (face) {
        for (int i = TopIndex; i < TopIndex + GetTempLimit(); ++i) {
            const bool locked = std::find(LockedArray.begin(), LockedArray.end(), i) != LockedArray.end();
            if (locked) {
                LockedColor.Set(graphics);
            } else {
                Font.Apply();
            }
            const float x = Centred ? Box.X + Box.W / 2 : Box.X + static_cast<float>(TextBorder);
            const float y = GetIndexY(i) + static_cast<float>(LineYOffset);
            const bool shadow = Font.Shadow && !(NoShadowOnHighlighted && i == Index);
            face->Draw(Strings[static_cast<size_t>(i)], x, y, Centred, 0, RoundTextX, RoundTextY, shadow ? 1 : 0);
        }
    }
    if (!HighlightUnder) DrawHighlight();
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    if (ScrollBar) ScrollBar->Draw();
    return 1;
}

int TListBox::Kill() {
    if (ScrollBar) ScrollBar->Kill();
    ScrollBar.reset();
    Strings.clear();
    ClearIndex();
    return 1;
}
