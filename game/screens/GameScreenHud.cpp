// The HUD of a level: the panel on the left with the level, score, gold, timer and goals, the power-up
// row at the bottom, the big texts of the intro and outro, and the HUD's per-tick effects.
#include <algorithm>
#include <cmath>
#include <string>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/GameImage.h"
#include "framework/gfx/GameText.h"
#include "framework/gfx/ImageBank.h"
#include "framework/sprites/Animation.h"
#include "framework/sprites/Counter.h"
#include "framework/sprites/Sprite.h"
#include "framework/ui/MousePointer.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardSound.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/HUDPowerup.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/screens/GameScreen.h"
#include "game/screens/GameScreenEffects.h"
#include "game/screens/Tutorial.h"

namespace {

float Ticks(int ms) {
    return Game->CalcAnimLength(static_cast<float>(ms));
}

// The panel's middle, and where its boxes hold their label and number.
constexpr float kPanelMiddle = 48;
constexpr float kLabelYs[] = {34, 102, 164};
constexpr float kNumberYs[] = {60, 127, 189};
constexpr float kTimerLabelY = 236, kHourglassY = 295, kTimeY = 362;
// Goal rows: row r (from 1) is centred on 377 + 60 r.
constexpr float kGoalRowsY = 377, kGoalRowStep = 60, kGoalIconX = 28, kGoalCountX = 70;
constexpr float kHudNumberScale = 0.6f;
// A HUD click in the goal column shows that goal's tip.
constexpr int kGoalColumnRight = 127, kGoalColumnTop = 406, kGoalColumnBottom = 647;

// The HUD's numbers are drawn smaller than the figures' own size: the panel is narrow.
class TSmallFigures {
public:
    TSmallFigures() : font_(GameFonts.LargeWhite.get()) {
        if (font_) font_->ScaleFactor *= kHudNumberScale;
    }
    ~TSmallFigures() {
        if (font_) font_->ScaleFactor /= kHudNumberScale;
    }
    TSmallFigures(const TSmallFigures&) = delete;
    TSmallFigures& operator=(const TSmallFigures&) = delete;

private:
    TBitmapFont* font_;
};

void DrawLabel(const char* key, float x, float y) {
    if (GameFonts.GUIFontSmall) GameFonts.GUIFontSmall->DrawAligned(GameText.FindString(key), x, y, 3);
}

// The goals the level has, in their order on the panel: matches, armour, skulls, rocks.
struct TGoalRow {
    int goal;  // 1 matches, 2 armour, 3 skulls, 4 rocks
    int done;
};

}  // namespace

int TGameScreen::DrawHUD() {
    if (LevelCompleteUp()) return 0;
    const float x = GetHUDX();
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    if (PanelImage) PanelImage->Draw(x, 0, 0);
    const char* labels[] = {"Level", "Score", "Gold"};
    for (int i = 0; i < 3; ++i) DrawLabel(labels[i], x + kPanelMiddle, kLabelYs[i]);
    {
        TSmallFigures small;
        Player.DrawLevel(x + kPanelMiddle, kNumberYs[0]);
        Player.DrawScore(x + kPanelMiddle, kNumberYs[1]);
        Player.DrawCoins(x + kPanelMiddle, kNumberYs[2]);
    }
    DrawStatusText();
    DrawTimer(x);
    DrawGoals(x);
    if (Grid) Grid->DrawHUDPowers();
    return 1;
}

int TGameScreen::DrawTimer(float x) {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (!SaveData.timer) {
        if (GameFonts.LargeWhite) {
            const std::string text = GameText.FindString("Button Relaxed");
            TSmallFigures small;
            const double scale =
                std::min(1.0, GameFonts.LargeWhite->CalcReducedScale(text, 136 * kHudNumberScale));
            graphics.SetScale(static_cast<float>(scale), static_cast<float>(scale));
            GameFonts.LargeWhite->DrawAligned(text, x + kPanelMiddle, kTimerLabelY, 3);
            graphics.SetScale(1, 1);
        }
        return 1;
    }
    if (HourglassShadowImage) {
        graphics.SetScale(0.99f, 0.99f);
        HourglassShadowImage->Draw(x + kPanelMiddle, kHourglassY, 0);
        graphics.SetScale(1, 1);
    }
    const bool animating =
        (IntroAnim && IntroAnim->Active) || (OutroAnim && OutroAnim->Active) || NoMoreCounter > 0;
    if (SandAnimImage && SandAnim && !animating) {
        const int frame = static_cast<int>(SandAnim->GetRatio() * 14) % 14;
        SandAnimImage->Draw(x + kPanelMiddle, kHourglassY, frame);
    }
    if (HourglassImage) {
        const float left = TimeLeftMs();
        const float limit = Grid ? Grid->TimeLimit * Game->FixedRateLogic.MS : 0;
        // Only a level with a clock has an hourglass to fill: a limit of 0 shows it run out.
        const int frame =
            left <= 0 || limit <= 0 ? 12 : static_cast<int>(std::floor((1 - left / limit) * 11 + 0.5f));
        HourglassImage->Draw(x + kPanelMiddle, kHourglassY, std::clamp(frame, 0, 12));
    }
    TSmallFigures small;
    return Player.DrawTime(x + kPanelMiddle, kTimeY);
}

int TGameScreen::DrawGoals(float x) {
    if (!Grid) return 0;
    const TGoalRow all[] = {{1, Goal1Done}, {2, Goal2Done}, {3, Goal3Done}, {4, Goal4Done}};
    const int targets[] = {Grid->GoalMatches, Grid->GoalArmour, Grid->GoalCollect, Grid->GoalRock};
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    int row = 0;
    for (int i = 0; i < 4; ++i) {
        if (targets[i] <= 0) continue;
        const float y = kGoalRowsY + kGoalRowStep * static_cast<float>(++row);
        std::shared_ptr<TGameImage> icon;
        int frame = 0, left = 0;
        float scale = 0.5f;
        switch (all[i].goal) {
            case 1:
                icon = GemImages.Gems, frame = gemlayout::ColourFrame(Grid->GoalMatchesType),
                left = Player.GetMatchesToGo();
                break;
            case 2:
                icon = ImageBank.Find("icetile", 1), scale = 0.45f, left = Grid->Gold;
                break;
            case 3:
                icon = GemImages.Gems, frame = gemlayout::kSkullFrame, left = Player.GetSpecialItemsToGo();
                break;
            default:
                icon = GemImages.Rock2, scale = 0.45f, left = Player.GetRocksToGo();
                break;
        }
        if (icon) {
            graphics.SetScale(scale, scale);
            const float iconX = x + kGoalIconX + (icon->midhandled ? 0 : -icon->w * scale / 2);
            const float iconY = y + (icon->midhandled ? 0 : -icon->h * scale / 2);
            icon->Draw(iconX, iconY, frame);
            graphics.SetScale(1, 1);
        }
        if (all[i].done || left <= 0) {
            // A met goal: its mark instead of the count.
            if (auto mark = ImageBank.Find("goalstar", 1)) mark->Draw(x + kGoalCountX, y, 0);
        } else {
            TSmallFigures small;
            HUDFont->DrawAligned(std::to_string(left), x + kGoalCountX, y, 3);
        }
    }
    return row;
}

int TGameScreen::DrawStatusText() {
    if (!(NoMore || TimeUp) || !GameFonts.LargeWhite) return 0;
    const TColor& colour = NoMore ? Colours[6] : Colours[0];
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(colour.r, colour.g, colour.b);
    GameFonts.LargeWhite->DrawAligned(GameText.FindString(NoMore ? "No More Moves" : "Time Up"),
                                      512 + BIG_TEXT_OFFSET_X, 340, 3);
    graphics.SetColor(255, 255, 255);
    return 1;
}

void TGameScreen::DrawBigTexts() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    const float x = 512 + BIG_TEXT_OFFSET_X, y = 340;
    if (IntroAnim && IntroAnim->Active && !FadingIn && IntroAnim->Counter <= Ticks(1000) && Go) {
        if (!PlayShown) {
            PlayShown = 1;
            PlayBankSound("LevelStart");
        }
        // "Play" grows out of the board as its glow fades.
        const float t = 1.0f - static_cast<float>(IntroAnim->Counter) / Ticks(1000);
        const float scale = 0.6f + 0.5f * t;
        Go->x = x, Go->y = y;
        Go->ScaleX = Go->ScaleY = scale;
        Go->Alpha = std::min(1.0f, (1.0f - t) * 3.0f);
        Go->Draw();
        graphics.SetBlend(platform::BlendMode::Light);
        graphics.SetAlpha((1.0f - t) * 0.6f);
        Go->image->Draw(x, y, 0);
        graphics.SetBlend(platform::BlendMode::Alpha);
        graphics.SetAlpha(1);
    }
    if (OutroAnim && OutroAnim->Active && OutroAnim->Counter <= Ticks(1500) && WellDone) {
        WellDone->x = x, WellDone->y = y;
        WellDone->Alpha = std::min(1.0f, static_cast<float>(OutroAnim->Counter) / Ticks(300));
        WellDone->Draw();
    }
}

int TGameScreen::GoalDoneEffect(int goal) {
    // The goal's own row: the level's goals are listed in order, so a level without some goals has its
    // later ones higher up.
    if (!Grid) return 0;
    const int row = Grid->GoalRow(goal);
    int* done[] = {&Goal1Done, &Goal2Done, &Goal3Done, &Goal4Done};
    if (goal >= 1 && goal <= 4) *done[goal - 1] = 1;
    if (const auto sound = SoundBank.Find("GoalDone"); sound && Game->Channels) {
        PlayBoardSound(sound.get(), 1.0f, -0.5f);
    }
    GoalBurst(58, kGoalRowsY + kGoalRowStep * static_cast<float>(row));
    return 1;
}

int TGameScreen::ManageAutoHint() {
    if (Tutorial.Showing()) return 0;
    AutoHintCounter += Delta;
    if (AutoHintCounter < Ticks(AUTO_HINT_MS)) return 0;
    AutoHintCounter = 0;
    if (Grid) Grid->StartHint();
    return 1;
}

int TGameScreen::ManageHUDClicks() {
    const TMousePointer& mouse = *Game->Mouse;
    if (!mouse.PeekHits(1) || mouse.x >= kGoalColumnRight || mouse.y <= kGoalColumnTop ||
        mouse.y >= kGoalColumnBottom) {
        return 0;
    }
    BoardEvents.ShowGoalTip((mouse.y - 407) / 60 + 1);
    return 1;
}

int TGameScreen::DrawGaugeParticles() {
    if (SaveData.gaugeLevel != static_cast<int>(GaugeMax) || (OutroAnim && OutroAnim->Active)) return 0;
    GaugeParticleCounter -= Delta;
    if (GaugeParticleCounter > 0) return 0;
    GaugeParticleCounter += static_cast<float>(GaugeParticleCounterMax);
    GaugeSparkle(static_cast<float>(GaugeX + Rand(-30, 30)), static_cast<float>(GaugeY + Rand(-77, 77)));
    return 1;
}

int TGameScreen::ManageHUDEffects() {
    ManageAutoHint();
    DrawGaugeParticles();
    const int landed = GoldParticleDelay.Manage(1);
    if (Player.Level == Player.Unlocked) {
        Player.levelGoldInTransit = std::max(0, Player.levelGoldInTransit - 5 * landed);
    }
    const int charges = GaugeFillDelay.Manage(1);
    for (int i = 0; i < charges; ++i) {
        for (const auto& powerup : HUDPowerups) {
            if (powerup && powerup->IsAvailable()) powerup->AddCharge(1);
        }
    }
    return 1;
}
