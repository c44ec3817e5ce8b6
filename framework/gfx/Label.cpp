#include "framework/gfx/Label.h"

#include <algorithm>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Shadow.h"

namespace {

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

std::vector<std::string> WrapText(const TBitmapFont& font, const std::string& text, float width,
                                  float scale) {
    std::vector<std::string> wrapped;
    if (text.empty()) return wrapped;
    for (std::string line : SplitAt(text, '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) {
            wrapped.emplace_back();
            continue;
        }
        std::string current;
        for (const std::string& word : SplitAt(line, ' ')) {
            if (word.empty()) continue;  // the other side of a double space
            if (current.empty()) {
                current = word;
            } else if (font.StringWidth(current + " " + word) * scale <= width) {
                current += " " + word;
            } else {
                wrapped.push_back(current);
                current = word;
            }
        }
        wrapped.push_back(current);
    }
    return wrapped;
}

std::shared_ptr<TLabel> TLabel::CreateSpecial(const std::string& text, float x, float y, int alignment,
                                              const TFont& font, int wordWrap, float scale) {
    auto label = std::make_shared<TLabel>();
    static_cast<TFont&>(*label) = font;
    label->Text = text;
    label->X = x;
    label->Y = y;
    label->Alignment = alignment;
    label->WordWrap = wordWrap;
    label->Scale = scale;
    label->CalcLineGap();
    label->PreCalcWordWrap();
    label->CalcSize();
    return label;
}

int TLabel::AutoScale(float maxWidth) {
    if (CalcWidth() > maxWidth && W > 0) Scale = maxWidth / W;
    return 1;
}

int TLabel::CalcSize() {
    CalcWidth();
    CalcHeight();
    return 1;
}

float TLabel::CalcWidth() {
    const TBitmapFont* face = Face();
    W = face ? static_cast<float>(face->StringWidth(Text)) : 0;
    return W * Scale;
}

float TLabel::CalcHeight() {
    return TFont::CalcHeight() * Scale;
}

int TLabel::CalcLineGap() {
    const TBitmapFont* face = Face();
    if (LineGap == 0 && face) LineGap = face->GetLineGap();
    return LineGap;
}

float TLabel::CalcWordWrappedHeight() {
    PreCalcWordWrap();
    if (TotalLines == 0) return 0;
    return (static_cast<float>(CalcLineGap()) * static_cast<float>(TotalLines - 1) + TFont::CalcHeight()) *
           Scale;
}

float TLabel::GetWidestLine() const {
    const TBitmapFont* face = Face();
    double widest = 0;
    for (const std::string& line : TextArray) {
        if (face) widest = std::max(widest, face->StringWidth(line));
    }
    return static_cast<float>(widest) * Scale;
}

int TLabel::PreCalcWordWrap() {
    const TBitmapFont* face = Face();
    if (WordWrap > 0 && face) {
        TextArray = WrapText(*face, Text, static_cast<float>(WordWrap), Scale);
    } else if (Text.empty()) {
        TextArray.clear();
    } else {
        TextArray = {Text};
    }
    TotalLines = static_cast<int>(TextArray.size());
    return 1;
}

int TLabel::Draw(float dx, float dy, int shadow) {
    TBitmapFont* face = Face();
    if (!Visible || !face || !Game) return 0;
    if (TextArray.empty() && !Text.empty()) PreCalcWordWrap();
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const float scaleX = graphics.ScaleX(), scaleY = graphics.ScaleY(), rotation = graphics.Rotation();
    const float alpha = graphics.Alpha();
    int red, green, blue;
    graphics.GetColor(red, green, blue);

    graphics.SetScale(scaleX * Scale, scaleY * Scale);
    Apply();
    TextAlpha = Alpha * (Color ? Color->a : 1.0f);
    graphics.SetAlpha(TextAlpha);
    if (Rotation != 0) graphics.SetRotation(Rotation);
    float y = Y + dy;
    if (CentreVertically) y -= CalcWordWrappedHeight() * scaleY / 2;
    const float step = static_cast<float>(CalcLineGap()) * Scale * scaleY;
    for (const std::string& line : TextArray) {
        if (Rotation != 0) {
            // Drawing a line moves the font's handle along it: every line turns about the label's handle.
            face->ChangeHandle = 1;
            face->HandleX = BitmapFontHandleX;
            face->HandleY = BitmapFontHandleY;
        }
        DrawTextLine(line, X + dx, y, shadow);
        y += step;
    }
    if (Rotation != 0) face->ResetHandle();
    graphics.SetRotation(rotation);
    graphics.SetScale(scaleX, scaleY);
    graphics.SetColor(red, green, blue);
    graphics.SetAlpha(alpha);
    return 1;
}

int TLabel::DrawTextLine(const std::string& text, float x, float y, int shadow) {
    TBitmapFont* face = Face();
    if (!face) return 0;
    const bool bend = CurvatureHeight != 0;
    if (bend) face->SetCurvature(CurvatureWidth, CurvatureHeight);
    const int roundX = RoundCoords ? 1 : RoundXCoord, roundY = RoundCoords ? 1 : RoundYCoord;
    const int drawn = shadow && Shadow ? face->DrawAlignedWithShadow(text, x, y, Alignment, roundX, roundY)
                                       : face->DrawAligned(text, x, y, Alignment, roundX, roundY);
    if (bend) face->ClearCurvature();
    return drawn;
}

int TLabel::SetBitmapFontHandle(float x, float y) {
    BitmapFontHandleX = x;
    BitmapFontHandleY = y;
    return 1;
}

int TLabel::SetCurvature(float curveWidth, float curveHeight) {
    CurvatureWidth = curveWidth;
    CurvatureHeight = curveHeight;
    return 1;
}

int TLabel::SetLineGap(int gap) {
    LineGap = gap;
    return 1;
}
