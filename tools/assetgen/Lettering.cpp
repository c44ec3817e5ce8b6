#include "tools/assetgen/Lettering.h"

namespace assetgen {

namespace {

OutlineFont::Setting SettingOf(const LetterStyle& style) {
    OutlineFont::Setting setting;
    setting.size = style.size;
    setting.tracking = style.tracking;
    return setting;
}

}  // namespace

double LettersWidth(const OutlineFont& font, std::u32string_view text, const LetterStyle& style) {
    return font.Width(text, SettingOf(style));
}

void Letters(Canvas& canvas, const OutlineFont& font, std::u32string_view text, double centreX,
             double baseline, const LetterStyle& style) {
    cairo_t* cr = canvas.Cr();
    const OutlineFont::Setting setting = SettingOf(style);
    const double x = centreX - font.Width(text, setting) / 2;
    const auto letters = [&](cairo_t* c) { font.AppendPath(c, text, x, baseline, setting); };
    if (style.glow.a > 0) SoftGlow(canvas, letters, style.glowSigma, style.glow);
    DropShadow(canvas, letters, style.ink * 0.8 + 1, style.ink * 0.6 + 0.5, palette::Ink.WithAlpha(0.7));
    if (style.ink > 0) {
        letters(cr);
        cairo_set_line_width(cr, style.ink * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        SetSource(cr, palette::Ink);
        cairo_stroke(cr);
    }
    // The gradient spans the height of a capital, so every word of a style is lit alike.
    const double top = baseline - style.size * 0.7;
    letters(cr);
    SetSource(cr, LinearGradient(0, top, 0, baseline + style.size * 0.05,
                                 {{0, style.fill.light},
                                  {0.48, style.fill.mid},
                                  {0.52, Mix(style.fill.mid, style.fill.dark, 0.35)},
                                  {1, style.fill.dark}}));
    cairo_fill(cr);
    RimLight(canvas, letters, light::kMoonX, light::kMoonY, std::max(0.8, style.size * 0.025),
             palette::Moonlight.WithAlpha(0.75));
    RimLight(canvas, letters, -light::kMoonX, -light::kMoonY, std::max(0.8, style.size * 0.02),
             palette::Ink.WithAlpha(0.35));
}

void GameName(Canvas& canvas, double centreX, double baseline) {
    static const OutlineFont font(fonts::kStorybook);
    Letters(canvas, font, U"Murkwell", centreX, baseline,
            {.size = 150,
             .tracking = 0.03,
             .fill = {Hex(0xfffbe8), palette::CandleGold, Hex(0xb4561a)},
             .ink = 6,
             .glow = palette::LanternAmber.WithAlpha(0.55),
             .glowSigma = 14});
}

}  // namespace assetgen
