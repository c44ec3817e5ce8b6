#include "framework/gfx/BitmapFont.h"

#include <cmath>
#include <numbers>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Messages.h"
#include "framework/gfx/FntFile.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/TextFile.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Shadow.h"
#include "platform/text/Utf8.h"

int FontPrecache = 0;
int FontAccurateHeight = 0;
int FontAverageHeightMinusOne = 1;
int FontArrayCentreOnHeight = 0;

namespace {

constexpr int kFirstExtraSlot = 256;
constexpr int kArrayGrowth = 100;

bool FitsPage(const FntFile& file, const platform::Image& page) {
    for (const FntGlyph& glyph : file.glyphs) {
        if (glyph.x + glyph.width > page.Width() || glyph.y + glyph.height > page.Height()) return false;
    }
    return true;
}

double Sine(double degrees) {
    return std::sin(degrees * std::numbers::pi / 180.0);
}

}  // namespace

TBitmapFont::TBitmapFont()
    : ID(ArraySize),
      width(ArraySize),
      height(ArraySize),
      xAdvance(ArraySize),
      xOffset(ArraySize),
      yOffset(ArraySize),
      xPos(ArraySize),
      yPos(ArraySize) {}

std::shared_ptr<TBitmapFont> TBitmapFont::Create(const std::string& name, int flags, int, int yAdjust) {
    auto font = std::make_shared<TBitmapFont>();
    font->Image = TGameImage::Create(name + ".png", flags, 0)->image;
    const std::string path = name + ".fnt";
    std::string text, error;
    FntFile file;
    // A glyph file that is missing, is not text, or places its glyphs where they cannot be drawn from
    // (beyond the page, a second page, numbers that overflow their fields) cannot be used.
    if (!ReadTextFile(path, text, error) || !ParseFnt(text, file, error) || !FitsPage(file, *font->Image)) {
        Message("Error loading file " + path, 1, 1);
        return nullptr;
    }
    font->LoadGlyphs(file, yAdjust);
    if (FontPrecache) font->Precache();
    return font;
}

int TBitmapFont::LoadGlyphs(const FntFile& file, int yAdjust) {
    ScaleFactor = file.scale;
    TextureW = file.textureW;
    TextureH = file.textureH;
    for (const FntGlyph& glyph : file.glyphs) AddGlyph(glyph, yAdjust);
    return 1;
}

void TBitmapFont::AddGlyph(const FntGlyph& glyph, int yAdjust) {
    if (glyph.id <= 0) return;  // code 0 has no slot
    int slot = glyph.id;
    if (glyph.id >= kFirstExtraSlot) {
        while (kFirstExtraSlot + NumExtraChars >= ArraySize) ExpandArrays();
        slot = kFirstExtraSlot + NumExtraChars++;
    }
    ID[slot] = glyph.id;
    xPos[slot] = glyph.x;
    yPos[slot] = glyph.y;
    width[slot] = glyph.width;
    height[slot] = glyph.height;
    xOffset[slot] = glyph.xOffset;
    yOffset[slot] = glyph.yOffset + yAdjust;
    xAdvance[slot] = glyph.xAdvance;
    ++NumChars;
}

int TBitmapFont::CalcDrawOffsetY() {
    DrawOffsetY = -static_cast<int>(yOffset['A']);
    return 1;
}

double TBitmapFont::CalcReducedScale(const std::string& text, double maxWidth) const {
    const double textWidth = StringWidth(text);
    return textWidth > maxWidth ? maxWidth / textWidth : 1.0;
}

int TBitmapFont::CalcVRAM() const {
    return PowerOfTwoAtLeast(static_cast<int>(TextureW)) * PowerOfTwoAtLeast(static_cast<int>(TextureH)) * 4;
}

int TBitmapFont::ClearCurvature() {
    CurvatureWidth = CurvatureHeight = 0;
    return 1;
}

int TBitmapFont::SetCurvature(float curveWidth, float curveHeight) {
    CurvatureWidth = curveWidth;
    CurvatureHeight = curveHeight;
    return 1;
}

int TBitmapFont::Draw(const std::string& text, float x, float y, int centre, int right, int roundX,
                      int roundY, int shadow, int vcentre, int vertical, std::span<const TColor> colours) {
    if (text.empty() || !Game || !Image) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const std::u32string chars = platform::DecodeUtf8(text);
    if (shadow) {
        int r, g, b;
        graphics.GetColor(r, g, b);
        graphics.SetColor(0, 0, 0);
        graphics.SetAlpha(TextShadowAlpha * TextAlpha);
        // The shadow pass moves the handle as the text does; the text starts from the same handle, or it
        // would land a whole text's width away from its shadow.
        const double handleX = HandleX, handleY = HandleY;
        DrawText(graphics, chars, x + TextShadowX, y + TextShadowY, centre, right, roundX, roundY, vcentre,
                 vertical, {});
        HandleX = handleX;
        HandleY = handleY;
        graphics.SetColor(r, g, b);
        graphics.SetAlpha(TextAlpha);
    }
    DrawText(graphics, chars, x, y, centre, right, roundX, roundY, vcentre, vertical, colours);
    return 1;
}

// Without ChangeHandle every glyph is placed at its own position (under a rotation each turns about its
// own corner). With it, each glyph hangs from the handle less its own offsets, the whole text turning and
// scaling about the drawing point; alignment and each advance move the handle rather than the position.
void TBitmapFont::DrawText(platform::Graphics& graphics, std::u32string_view text, float x, float y,
                           bool centre, bool right, bool roundX, bool roundY, bool vcentre, bool vertical,
                           std::span<const TColor> colours) {
    const double sx = graphics.ScaleX(), sy = graphics.ScaleY();
    const double hx = sx * ScaleFactor, hy = sy * ScaleFactor;
    const bool handled = ChangeHandle != 0;
    double penX = x, penY = y;
    const double textWidth = WidthOf(text);
    if (!vertical) {
        const double alongX = (centre ? textWidth / 2 : 0) + (right ? textWidth : 0);
        const double alongY = vcentre ? StringHeight(TestString) / 2 : 0;
        if (handled) {
            HandleX += alongX;
            HandleY += alongY;
            // The handle is drawn at the font's scale while the widths above already carry it: growing
            // the handle by (1 − ScaleFactor) of itself stands in for taking that scale off again.
            HandleX += HandleX * (1 - ScaleFactor);
            HandleY += HandleY * (1 - ScaleFactor);
        } else {
            penX -= alongX * sx;
            penY -= alongY * sy;
        }
    }
    const double radians = graphics.Rotation() * std::numbers::pi / 180.0;
    const double cosine = std::cos(radians), sine = std::sin(radians);
    double advances = 0;  // of the characters drawn so far, for the bend
    double down = 0;      // vertical text under a handle: how far down the characters have gone
    for (size_t i = 0; i < text.size(); ++i) {
        const int slot = SlotOf(text[i]);
        const double drawnW = width[slot] * ScaleFactor, drawnH = height[slot] * ScaleFactor;
        double px, py;
        if (handled) {
            // Relative to the drawing point, before the turn.
            px = (xOffset[slot] - HandleX) * hx;
            py = vertical ? down - HandleY * hy : (yOffset[slot] + DrawOffsetY - HandleY) * hy;
        } else {
            px = penX + xOffset[slot] * hx;
            py = vertical ? penY : penY + (yOffset[slot] + DrawOffsetY) * hy;
        }
        if (vertical && centre) px -= drawnW / 2 * sx;
        if (vertical && right) px -= drawnW * sx;
        if (CurvatureHeight != 0 && CurvatureWidth != 0) {
            double along = WidthOfAdvances(advances) * sx + drawnW / 2 * sx;
            if (centre) along += (CurvatureWidth - textWidth * sx) / 2;
            if (right) along += CurvatureWidth - textWidth * sx;
            py += Sine(along / CurvatureWidth * CurvatureAngle) * CurvatureHeight;
        }
        if (handled) {
            const double ux = px, uy = py;
            px = x + ux * cosine - uy * sine;
            py = y + ux * sine + uy * cosine;
        }
        if (roundX && hx == 1) px = std::round(px);
        if (roundY && hy == 1) py = std::round(py);
        if (!colours.empty()) colours[i % colours.size()].Set(graphics);
        if (width[slot] > 0 && height[slot] > 0) {
            graphics.DrawSubImageRect(*Image, static_cast<float>(px), static_cast<float>(py),
                                      static_cast<float>(drawnW), static_cast<float>(drawnH),
                                      static_cast<float>(xPos[slot]), static_cast<float>(yPos[slot]),
                                      static_cast<float>(width[slot]), static_cast<float>(height[slot]), 0);
        }
        advances += xAdvance[slot] + CharGap;
        if (!vertical) {
            if (handled) {
                HandleX -= xAdvance[slot] + CharGap;
            } else {
                penX += hx * (xAdvance[slot] + CharGap);
            }
        } else {
            const double step = text[i] == U' ' ? xAdvance[slot] * hx * 0.75 : drawnH * sy;
            (handled ? down : penY) += step;
        }
    }
}

int TBitmapFont::DrawAligned(const std::string& text, float x, float y, int align, int roundX, int roundY,
                             int shadow, std::span<const TColor> colours) {
    switch (align) {
        case 0:
            return Draw(text, x, y, 0, 0, roundX, roundY, shadow, 0, 0, colours);
        case 1:
            return Draw(text, x, y, 1, 0, roundX, roundY, shadow, 0, 0, colours);
        case 2:
            return Draw(text, x, y, 0, 1, roundX, roundY, shadow, 0, 0, colours);
        case 3:
            return Draw(text, x, y, 1, 0, roundX, roundY, shadow, 1, 0, colours);
        case 4:
            return Draw(text, x, y, 0, 0, roundX, roundY, shadow, 1, 0, colours);
        default:
            return 0;
    }
}

int TBitmapFont::DrawAlignedWithShadow(const std::string& text, float x, float y, int align, int roundX,
                                       int roundY) {
    return DrawAligned(text, x, y, align, roundX, roundY, 1);
}

int TBitmapFont::DrawStringArray(const std::vector<std::string>& lines, float x, float y, int centre,
                                 int right, int roundX, int roundY, int shadow, int lineGap, int vcentre) {
    if (!Game) return 0;
    if (lineGap == 0) lineGap = GetLineGap();
    const double count = static_cast<double>(lines.size());
    if (vcentre) {
        const double block =
            FontArrayCentreOnHeight ? StringHeight(TestString) + lineGap * (count - 1) : lineGap * count;
        y -= static_cast<float>(std::round(block / 2));
    }
    const double lean = std::tan(Game->GetPlatform().GetGraphics().Rotation() * std::numbers::pi / 180.0);
    for (size_t i = 0; i < lines.size(); ++i) {
        const double down = static_cast<double>(i) * lineGap;
        Draw(lines[i], static_cast<float>(x - lean * down), static_cast<float>(y + down), centre, right,
             roundX, roundY, shadow);
        if (ChangeHandle) {
            // Each line moved the handle along itself; the next starts from none, still by its handle.
            ResetHandle();
            ChangeHandle = 1;
        }
    }
    return 1;
}

int TBitmapFont::ExpandArrays() {
    ArraySize += kArrayGrowth;
    for (std::vector<double>* array : {&width, &height, &xAdvance, &xOffset, &yOffset, &xPos, &yPos}) {
        array->resize(ArraySize);
    }
    ID.resize(ArraySize);
    return 1;
}

int TBitmapFont::FindChar(char32_t character) const {
    for (int slot = kFirstExtraSlot; slot < kFirstExtraSlot + NumExtraChars; ++slot) {
        if (ID[slot] == static_cast<int>(character)) return slot;
    }
    return 0;
}

int TBitmapFont::GetLineGap() const {
    return static_cast<int>(StringHeight(TestString));
}

int TBitmapFont::Kill() {
    Image = nullptr;
    return 1;
}

// Pages reach the display as they load; there is nothing left to upload.
int TBitmapFont::Precache() {
    return Image ? 1 : 0;
}

int TBitmapFont::ResetHandle() {
    ChangeHandle = 0;
    HandleX = HandleY = 0;
    if (Image) Image->SetHandle(0, 0);
    return 1;
}

double TBitmapFont::StringHeight(const std::string& text) const {
    if (FontAccurateHeight) return StringHeightAccurate(text);
    double total = 0;
    int counted = 0;
    for (const char32_t c : platform::DecodeUtf8(text)) {
        const int slot = SlotOf(c);
        if (height[slot] > 0) total += height[slot], ++counted;
    }
    // One glyph less than there are would divide by nothing for a single glyph.
    const int divisor = FontAverageHeightMinusOne && counted > 1 ? counted - 1 : counted;
    return divisor > 0 ? total / divisor * ScaleFactor : 0;
}

double TBitmapFont::StringHeightAccurate(const std::string& text) const {
    const std::u32string chars = platform::DecodeUtf8(text);
    if (chars.empty()) return 0;
    double lowest = -1e300;
    for (const char32_t c : chars) {
        const int slot = SlotOf(c);
        lowest = std::max(lowest, height[slot] + yOffset[slot] + DrawOffsetY);
    }
    return lowest * ScaleFactor;
}

double TBitmapFont::StringHeightVertical(const std::string& text) const {
    double total = 0;
    for (const char32_t c : platform::DecodeUtf8(text)) {
        const int slot = SlotOf(c);
        total += c == U' ' ? xAdvance[slot] * 0.75 : height[slot];
    }
    return total * ScaleFactor;
}

double TBitmapFont::StringWidth(const std::string& text) const {
    return WidthOf(platform::DecodeUtf8(text));
}

std::string TBitmapFont::TruncateString(const std::string& text, double maxWidth) const {
    const std::u32string chars = platform::DecodeUtf8(text);
    size_t keep = 0;
    double total = 0;
    for (size_t length = 1; length <= chars.size(); ++length) {
        total += xAdvance[SlotOf(chars[length - 1])] + CharGap;
        if (WidthOfAdvances(total) <= maxWidth * ScaleFactor) keep = length;
    }
    return platform::EncodeUtf8(std::u32string_view(chars).substr(0, keep));
}

bool TBitmapFont::Has(char32_t character) const {
    if (character >= kFirstExtraSlot) return FindChar(character) != 0;
    return character > 0 && ID[character] == static_cast<int>(character);
}

int TBitmapFont::SlotOf(char32_t character) const {
    return character < kFirstExtraSlot ? static_cast<int>(character) : FindChar(character);
}

double TBitmapFont::WidthOf(std::u32string_view text) const {
    double total = 0;
    for (const char32_t c : text) total += xAdvance[SlotOf(c)] + CharGap;
    return WidthOfAdvances(total);
}

double TBitmapFont::WidthOfAdvances(double total) const {
    return (total > 0 ? total - CharGap : total) * ScaleFactor;
}
