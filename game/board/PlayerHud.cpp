// The player's numbers on the HUD, the map and the shop: each is drawn centred on the point given, in
// the HUD's figures font, white unless the clock is in its last ten seconds.
#include <cstdio>
#include <string>

#include "framework/core/Game.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"

namespace {

constexpr int kCentred = 3;

std::string Padded(int value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*d", digits, value);
    return text;
}

// The HUD's text style: plain, opaque, unscaled, in the given colour.
int DrawNumber(const std::string& text, float x, float y, float scale = 1.0f, int r = 255, int g = 255,
               int b = 255) {
    if (!Game || !GameFonts.LargeWhite) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(r, g, b);
    graphics.SetAlpha(1.0f);
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetRotation(0);
    graphics.SetScale(scale, scale);
    const int drawn = GameFonts.LargeWhite->DrawAligned(text, x, y, kCentred);
    graphics.SetScale(1, 1);
    graphics.SetColor(255, 255, 255);
    return drawn;
}

}  // namespace

int TPlayer::DrawLevel(float x, float y) {
    return DrawNumber(std::to_string(Level), x, y);
}

int TPlayer::DrawScore(float x, float y) {
    return DrawNumber(Padded(LevelScore, 6), x, y);
}

int TPlayer::DrawCoins(float x, float y) {
    return DrawNumber(Padded(levelGoldCollected - levelGoldInTransit, 5), x, y);
}

int TPlayer::DrawBankedCoins(float x, float y) {
    return DrawNumber(Padded(SaveData.GoldAvailable(), 5), x, y);
}

int TPlayer::DrawTime(float x, float y) {
    int minutes = 0, seconds = 0;
    SplitMinutesSeconds(RoundUpToSecond(TimeLeftMs()), minutes, seconds);
    const std::string text = std::to_string(minutes) + ":" + Padded(seconds, 2);
    const bool lastSeconds = minutes == 0 && seconds <= 10;
    return lastSeconds ? DrawNumber(text, x, y, 0.75f, 255, 50, 50) : DrawNumber(text, x, y, 0.75f);
}
