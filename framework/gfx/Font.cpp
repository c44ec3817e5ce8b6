#include "framework/gfx/Font.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Shadow.h"

std::shared_ptr<TFont> TFont::Create(std::shared_ptr<TBitmapFont> imageFont, std::shared_ptr<TColor> colour,
                                     std::shared_ptr<TShadow> shadow, int fixedWidth,
                                     std::shared_ptr<TBitmapFont> bitmapFont,
                                     std::shared_ptr<TColor> inverseColour, const std::string& name) {
    auto font = std::make_shared<TFont>();
    font->Init(std::move(imageFont), std::move(colour), std::move(shadow), fixedWidth, std::move(bitmapFont),
               std::move(inverseColour), name);
    return font;
}

int TFont::Init(std::shared_ptr<TBitmapFont> imageFont, std::shared_ptr<TColor> colour,
                std::shared_ptr<TShadow> shadow, int fixedWidth, std::shared_ptr<TBitmapFont> bitmapFont,
                std::shared_ptr<TColor> inverseColour, const std::string& name) {
    ImageFont = std::move(imageFont);
    Color = std::move(colour);
    Shadow = std::move(shadow);
    FixedWidth = fixedWidth;
    BitmapFont = std::move(bitmapFont);
    InverseColor = std::move(inverseColour);
    Name = name;
    TFont::CalcHeight();
    return 1;
}

int TFont::Apply() {
    return ApplyCustomColor(Color ? *Color : TColor());
}

int TFont::ApplyCustomColor(const TColor& colour) {
    if (!Game) return 0;
    colour.Set(Game->GetPlatform().GetGraphics());
    if (Shadow) Shadow->ApplyToText();
    TextAlpha = colour.a;
    return 1;
}

int TFont::ApplyInverse() {
    return ApplyCustomColor(InverseColor ? *InverseColor : TColor());
}

int TFont::ApplyScale(double s) {
    if (BitmapFont) {
        OldScale = BitmapFont->ScaleFactor;
        BitmapFont->ScaleFactor = s;
        return 1;
    }
    if (!Game) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    OldScale = graphics.ScaleX();
    graphics.SetScale(static_cast<float>(s), static_cast<float>(s));
    return 1;
}

int TFont::RestoreScale() {
    if (BitmapFont) {
        BitmapFont->ScaleFactor = OldScale;
        return 1;
    }
    if (!Game) return 0;
    Game->GetPlatform().GetGraphics().SetScale(static_cast<float>(OldScale), static_cast<float>(OldScale));
    return 1;
}

float TFont::CalcHeight() {
    const TBitmapFont* face = Face();
    H = face ? static_cast<float>(face->StringHeight(face->TestString)) : 0;
    return H;
}

int TFont::Kill() {
    BitmapFont = nullptr;
    ImageFont = nullptr;
    Color = InverseColor = nullptr;
    Shadow = nullptr;
    return 1;
}

TBitmapFont* TFont::Face() const {
    return BitmapFont ? BitmapFont.get() : ImageFont.get();
}
