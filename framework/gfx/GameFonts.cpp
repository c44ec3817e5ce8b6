#include "framework/gfx/GameFonts.h"

#include <string>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/screens/LoadList.h"

TGameFonts GameFonts;

namespace {

std::shared_ptr<TBitmapFont>* Slots(TGameFonts& fonts, size_t index) {
    std::shared_ptr<TBitmapFont>* slots[] = {&fonts.BigText, &fonts.Button,       &fonts.LargeWhite,
                                             &fonts.GUIFont, &fonts.GUIFontSmall, &fonts.DialogHeader,
                                             &fonts.Embossed};
    static_assert(std::size(slots) == kGameFontNames.size());
    return slots[index];
}

// The debug display spaces its lines DebugImageFontGap apart; the small font is scaled to fit.
void DrawDebugLine(const std::string& text, int x, int y, int shadow) {
    TBitmapFont* font = GameFonts.GUIFontSmall.get();
    if (!font || !Game) return;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const float scaleX = graphics.ScaleX(), scaleY = graphics.ScaleY();
    const int gap = font->GetLineGap();
    const float scale =
        gap > Game->DebugImageFontGap ? static_cast<float>(Game->DebugImageFontGap) / gap : 1.0f;
    graphics.SetScale(scale, scale);
    font->Draw(text, static_cast<float>(x), static_cast<float>(y), 0, 0, 1, 1, shadow);
    graphics.SetScale(scaleX, scaleY);
}

}  // namespace

void ListGameFonts(TLoadList& list) {
    list.AddQuiet([] {
        FontPrecache = 1;
        FontAccurateHeight = 1;
        FontAverageHeightMinusOne = 0;
    });
    for (size_t i = 0; i < kGameFontNames.size(); ++i) {
        list.Add([i] {
            const std::string folder = Game ? Game->FontPath : std::string();
            auto font = TBitmapFont::Create(folder + kGameFontNames[i], -1, 0, 0);
            font->CalcDrawOffsetY();
            *Slots(GameFonts, i) = std::move(font);
        });
    }
    list.AddQuiet([] {
        if (Game) Game->DebugFont = DrawDebugLine;
    });
}

int LoadGameFonts() {
    TLoadList list;
    ListGameFonts(list);
    return list.Run();
}

void KillGameFonts() {
    GameFonts = {};
    if (Game) Game->DebugFont = nullptr;
}
