// Drawing a button: its picture for the look it has now, its glow and its caption.
#include <cmath>

#include "framework/core/Game.h"
#include "framework/gfx/Font.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Shadow.h"
#include "framework/sprites/Ticks.h"
#include "framework/ui/Button.h"

namespace {

enum Look { kPressed = 1, kMouseOver = 2, kDisabled = 3, kNormal = 4 };

}  // namespace

int TButton::SetupCaption(const std::string& text, std::shared_ptr<TBitmapFont> imageFont,
                          std::shared_ptr<TColor> colour, std::shared_ptr<TShadow> shadow,
                          std::shared_ptr<TBitmapFont> bitmapFont, std::shared_ptr<TColor> mouseOverColour) {
    TFont font;
    font.Init(std::move(imageFont), std::move(colour), std::move(shadow), 0, std::move(bitmapFont),
              std::move(mouseOverColour), "");
    // Centred both ways on the middle of the picture.
    Caption = TLabel::CreateSpecial(text, w / 2.0f, h / 2.0f, 3, font);
    return 1;
}

int TButton::SetupCaptionDown(std::shared_ptr<TColor> colour, float scale, float dx, float dy) {
    CaptionDownColor = std::move(colour);
    CaptionDownScale = scale;
    CaptionDownOffsetX = dx;
    CaptionDownOffsetY = dy;
    return 1;
}

int TButton::DrawCaption(float px, float py, float sx, float sy, int look) {
    if (!Caption || !Game) return 0;
    TLabel& label = *Caption;
    std::shared_ptr<TColor> colour = label.Color;
    float scale = label.Scale;
    float cx = px + label.X * sx, cy = py + label.Y * sy;
    switch (look) {
        case kPressed:
            if (CaptionDownColor) colour = CaptionDownColor;
            scale *= CaptionDownScale;
            cx += CaptionDownOffsetX * sx;
            cy += CaptionDownOffsetY * sy;
            break;
        case kMouseOver:
            if (label.InverseColor) colour = label.InverseColor;
            break;
        case kDisabled:
            if (CaptionDisabledColor) colour = CaptionDisabledColor;
            break;
        default:
            break;
    }
    if (UseAlpha) label.Alpha = Alpha;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetScale(sx, sy);
    // The label is drawn in the look's colour and scale and then has its own back.
    std::swap(label.Color, colour);
    std::swap(label.Scale, scale);
    label.Draw(cx - label.X, cy - label.Y, 1);
    std::swap(label.Color, colour);
    std::swap(label.Scale, scale);
    return 1;
}

void TButton::DrawPicture(const TGameImage& img, int f, float px, float py, float sx, float sy, float glow) {
    if (!img.image) return;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const float alpha = UseAlpha ? Alpha : 1.0f;
    graphics.SetScale(sx, sy);
    if (Shadow) {
        graphics.SetColor(0, 0, 0);
        graphics.SetAlpha(ShadowAlpha * alpha);
        graphics.DrawImage(*img.image, px + ShadowX, py + ShadowY, f);
    }
    graphics.SetAlpha(alpha);
    if (Color) {
        graphics.SetColor(Color->r, Color->g, Color->b);
    } else {
        graphics.SetColor(255, 255, 255);
    }
    graphics.DrawImage(*img.image, px, py, f);
    if (glow > 0) {
        const int level = static_cast<int>(std::clamp(glow, 0.0f, 1.0f) * 255);
        graphics.SetBlend(platform::BlendMode::Light);
        graphics.SetColor(level, level, level);
        graphics.DrawImage(*img.image, px, py, f);
        graphics.SetBlend(platform::BlendMode::Alpha);
    }
}

int TButton::Draw() {
    if (!visible || !(Active || AlwaysDraw) || !Game) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Alpha);
    const bool grown = ScaleOnMO > 1;
    const bool glowRuns = GlowMode > 0 && Glow > 0;
    const bool glowAllowed = glowRuns && (!grown || ScaleOnMOUseGlow);
    const int frame = Animated && AnimCounter > 0 ? GetAnimFrame() : ImageFrame;

    // The look, first match wins.
    std::shared_ptr<TGameImage> img;
    int look, f = 0;
    float glow = 0;
    if (!RunOut(MouseClickCounter) && ImageMouseClick) {
        look = kPressed, img = ImageMouseClick;
    } else if (ImageMouseOver && (MouseOver || (FixedGlowOnMO && FixedGlowOnMOUseMO && glowRuns))) {
        look = kMouseOver, f = frame;
        img = grown && ImageScaled ? ImageScaled : ImageMouseOver;
        if (glowAllowed && UseGlowOnMO) glow = Glow;
    } else if (Disabled) {
        look = kDisabled, img = ImageDisabled ? ImageDisabled : image;
    } else {
        look = kNormal, f = frame;
        img = grown && ImageScaled ? ImageScaled : image;
        if (glowAllowed) glow = Glow;
    }

    const float bx = x + offx, by = y + offy;
    float px = bx, py = by;
    float sx = ScaleX, sy = ScaleY;  // the size of the drawn button against its own picture
    float drawScaleX = sx, drawScaleY = sy;
    float boxW = w * sx, boxH = h * sy;  // the button as drawn
    if (grown && w > 0 && h > 0) {
        // The growth as a size. A larger picture is drawn from its small size at rest up to 1.
        const float g = ImageScaled ? GetMOScale() * ImageScaled->w / w : ScaleOnMO;
        sx = sy = g;
        drawScaleX = drawScaleY = img && img->w > 0 ? g * w / img->w : g;
        // About the centre, whichever picture is drawn.
        boxW = img ? img->w * drawScaleX : w * g;
        boxH = img ? img->h * drawScaleY : h * g;
        px = bx + (w - boxW) / 2;
        py = by + (h - boxH) / 2;
        if (ScaleOnMORoundCoords) px = std::floor(px + 0.5f), py = std::floor(py + 0.5f);
        if (ScaleOnMOStayOnScreen) ClampScaledCoords(px, py, boxW, boxH);
    }
    if (img) DrawPicture(*img, f, px, py, drawScaleX, drawScaleY, glow);
    if (Caption) {
        // A growing caption moves smoothly.
        if (grown) {
            OldRoundedCoords = Caption->RoundCoords;
            Caption->RoundCoords = 0;
        }
        // Placed on the middle of the picture as drawn.
        DrawCaption(px + (boxW - w * sx) / 2, py + (boxH - h * sy) / 2, sx, sy, look);
        if (grown) Caption->RoundCoords = OldRoundedCoords;
    }
    graphics.SetAlpha(1);
    graphics.SetColor(255, 255, 255);
    graphics.SetScale(1, 1);
    if (ScaleOnMODrawUserFunction) ScaleOnMODrawUserFunction(*this, sx, look);
    return 1;
}
