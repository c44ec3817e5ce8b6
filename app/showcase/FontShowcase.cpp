#include "app/showcase/FontShowcase.h"

#include <string>
#include <vector>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/Label.h"
#include "framework/screens/Screen.h"
#include "framework/sprites/Color.h"
#include "framework/sprites/Shadow.h"

namespace {

struct Panel {
    float x, y, w, h;
    TColor colour;
};

class FontShowcase : public TScreen {
public:
    FontShowcase() { name = "fonts"; }

    int Load() override {
        LoadGameFonts();
        GameText.Read("gametext.txt");
        const auto text = [](const char* key) { return GameText.FindString(key); };
        const auto white = [] { return TColor::Create(255, 255, 255); };

        Caption(kFontShowcaseBands[0], "big titles");
        Add(GameFonts.BigText, GameText.FindReplaced("Level XX Complete", "XX", "12"), 512, 30, 1, white());

        Caption(kFontShowcaseBands[1], "dialog, tip and story headers");
        Add(GameFonts.DialogHeader, text("StoryMessageHeader1") + " — Élan, Ça va?", 512, 112, 1, white());

        Caption(kFontShowcaseBands[2], "button captions, tinted gold; mouse-over and pressed");
        const char* buttons[] = {"Button Play", "Button Change Player", "Button Options"};
        const TColor tints[] = {{205, 154, 65, 1}, {225, 160, 72, 1}, {175, 145, 55, 1}};
        for (int i = 0; i < 3; ++i) {
            const float centre = 232.0f + 280.0f * static_cast<float>(i);
            panels_.push_back({centre - 120, 190, 240, 44, {60, 40, 70, 1}});
            Add(GameFonts.Button, text(buttons[i]), centre, 212, 3,
                TColor::Create(tints[i].r, tints[i].g, tints[i].b));
        }

        Caption(kFontShowcaseBands[3], "the HUD's figures and the gold counters");
        Add(GameFonts.LargeWhite, "Score 1,234,560   Level 37   3:07   Gold 250", 512, 266, 1, white());

        Caption(kFontShowcaseBands[4], "reading texts: a tip wrapped to 640 and centred");
        Add(GameFonts.GUIFont,
            text("Hint 1 Body") + "\n“Café crème, naïve façade, Ångström, Straße” – 5€… ¿Qué? ¡Sí!", 512, 332,
            1, white(), 640);

        Caption(kFontShowcaseBands[5], "HUD labels, shop descriptions");
        Add(GameFonts.GUIFontSmall,
            text("Level") + "  " + text("Score") + "  " + text("Gold") +
                " — Äpfel, Öl, Übermut, çà, ñ, ø, þ, ß, ÿ",
            512, 466, 1, white());

        Caption(kFontShowcaseBands[6], "row labels of the level-complete table, with their values");
        panels_.push_back({210, 528, 604, 96, {196, 150, 70, 1}});
        panels_.push_back({212, 530, 600, 92, {14, 16, 36, 1}});
        Add(GameFonts.Embossed, text("Golden Skulls"), 240, 540, 0, white());
        Add(GameFonts.Embossed, text("Total Gold"), 240, 580, 0, white());
        Add(GameFonts.LargeWhite, "12", 784, 540, 2, white());
        Add(GameFonts.LargeWhite, "1,250", 784, 580, 2, white());

        Caption({"The debug display", 648, 690}, "GUIFontSmall scaled to its line gap");
        turned_ = TLabel::CreateSpecial(
            "Turned about its middle", 512, 706, 0,
            *TFont::Create(nullptr, white(), nullptr, 0, GameFonts.DialogHeader, nullptr, "DialogHeader"));
        turned_->Rotation = -6;
        turned_->SetBitmapFontHandle(turned_->W / 2, 0);
        return 1;
    }

    int Draw() override {
        platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
        graphics.SetAlpha(1);
        // Night sky, darker at the top.
        for (int y = 0; y < VirtualHeight; ++y) {
            const double t = static_cast<double>(y) / VirtualHeight;
            graphics.SetColor(static_cast<int>(11 + 36 * t), static_cast<int>(16 + 27 * t),
                              static_cast<int>(38 + 64 * t));
            graphics.DrawRect(0, static_cast<float>(y), static_cast<float>(VirtualWidth), 1);
        }
        for (const Panel& panel : panels_) {
            panel.colour.Set(graphics);
            graphics.DrawRect(panel.x, panel.y, panel.w, panel.h);
        }
        for (const auto& label : labels_) label->Draw();
        Game->DebugFont("FPS     60   Logic   0.21 ms   Draw   3.10 ms", 24, 674, 1);
        Game->DebugFont("Gfx Driver = DirectX 9.0c (using DX9)", 24, 686, 1);
        turned_->Draw();
        graphics.SetColor(255, 255, 255);
        graphics.SetAlpha(1);
        return 1;
    }

private:
    void Add(const std::shared_ptr<TBitmapFont>& font, const std::string& text, float x, float y, int align,
             std::shared_ptr<TColor> colour, int wrap = 0) {
        const auto parts =
            TFont::Create(nullptr, std::move(colour), TShadow::Create(2, 2, 0.5f), 0, font, nullptr, "");
        labels_.push_back(TLabel::CreateSpecial(text, x, y, align, *parts, wrap));
    }
    // The band's font name and what it is for, in the small face, grey-blue.
    void Caption(const FontShowcaseBand& band, const std::string& role) {
        const auto parts = TFont::Create(nullptr, TColor::Create(150, 160, 200), nullptr, 0,
                                         GameFonts.GUIFontSmall, nullptr, "");
        labels_.push_back(TLabel::CreateSpecial(std::string(band.font) + ": " + role, 24,
                                                static_cast<float>(band.top + 4), 0, *parts));
    }

    std::vector<Panel> panels_;
    std::vector<std::shared_ptr<TLabel>> labels_;
    std::shared_ptr<TLabel> turned_;
};

}  // namespace

std::unique_ptr<TScreen> MakeFontShowcase() {
    return std::make_unique<FontShowcase>();
}
