#include "game/screens/GoldPanel.h"

#include <algorithm>
#include <cstdio>

#include "framework/core/Game.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "game/save/SaveData.h"

namespace {

constexpr float kLabelX = 70, kFiguresX = 172, kMiddleY = 35, kFiguresScale = 0.8f;

}  // namespace

void DrawGoldPanel(const TGameImage& panel, float x, float y) {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    panel.DrawCorner(x, y, 0);
    if (GameFonts.GUIFontSmall) {
        GameFonts.GUIFontSmall->Draw(GameText.FindString("Gold"), x + kLabelX, y + kMiddleY, 0, 0, 0, 0, 0, 1);
    }
    if (GameFonts.LargeWhite) {
        char gold[16];
        std::snprintf(gold, sizeof gold, "%05d", std::clamp(SaveData.GoldAvailable(), 0, 99999));
        graphics.SetScale(kFiguresScale, kFiguresScale);
        GameFonts.LargeWhite->DrawAligned(gold, x + kFiguresX, y + kMiddleY, 3);
        graphics.SetScale(1, 1);
    }
}
