#include "app/showcase/BoardShowcase.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/Screen.h"
#include "framework/ui/MousePointer.h"
#include "game/board/AutoPlayer.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardPictures.h"
#include "game/board/GameGrid.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/board/InitialFill.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "platform/files/Files.h"

namespace {

constexpr int kLevels = 100;

// The background of a level: ten pictures over the hundred levels, the early ones shorter.
int BackgroundFor(int level) {
    static const int kFirstLevels[] = {1, 4, 9, 17, 27, 37, 47, 59, 72, 86};
    int b = 1;
    for (int i = 0; i < 10; ++i) {
        if (level >= kFirstLevels[i]) b = i + 1;
    }
    return b;
}

// The player's numbers: four columns along the bottom of the screen.
constexpr float kHudFirstX = 170, kHudStep = 230, kHudLabelY = 672, kHudNumberY = 725;
// Ticks a resting board waits before the autoplayer moves, so that a viewer can follow.
constexpr int kThinkTicks = 60;

class BoardShowcase : public TScreen {
public:
    explicit BoardShowcase(bool play) : play_(play) { name = play ? "play" : "board"; }

    int Load() override {
        LoadBoardPictures();
        // Every sound of the folder: the board takes its own from the bank.
        std::vector<std::string> names;
        std::string error;
        platform::files::ListFolder(Game->SoundPath, names, error);
        SoundBank.SetPath(Game->SoundPath);
        for (const std::string& name : names) {
            if (platform::files::ExtensionOf(name) == ".wav") SoundBank.Load(name);
        }
        if (play_) LoadGameFonts();
        return 1;
    }
    int Start() override {
        TScreen::Start();
        ShowLevel(1);
        return 1;
    }
    int Logic() override {
        if (Game->Mouse->MouseHit(1)) ShowLevel(level_ % kLevels + 1);
        if (play_) return Play();
        Grid->mx = ScreenToGridX(Game->Mouse->x);
        Grid->my = ScreenToGridY(Game->Mouse->y);
        for (TSineCounter* counter :
             {&Grid->glow1, &Grid->glow2, &Grid->glow3, &Grid->glow4, &Grid->SkullAnim}) {
            counter->Manage();
        }
        Gems->Manage();
        return 1;
    }
    int Draw() override {
        TScreen::Draw();
        Grid->Draw();
        if (!play_) return 1;
        BoardEffects.Draw();
        DrawHud();
        return 1;
    }
    int Kill() override {
        Grid.reset();
        Gems.reset();
        BoardEffects.Clear();
        BoardEvents = TBoardEvents{};
        if (play_) KillGameFonts();
        return TScreen::Kill();
    }

private:
    // The level plays itself on its frontier in timed mode: the autoplayer moves whenever the board has
    // rested a moment; a won level, or one without moves, gives way to the next.
    int Play() {
        Grid->Manage();
        Player.Manage();
        BoardEffects.Manage();
        resting_ = BoardAtRest() ? resting_ + Delta : 0;
        if (resting_ < kThinkTicks) return 1;
        if (Grid->TargetMet || !PlayRandomMove()) {
            ShowLevel(level_ % kLevels + 1);
        }
        resting_ = 0;
        return 1;
    }

    // The player's numbers in a row under the board (the game's own HUD column is the game screen's).
    void DrawHud() {
        struct TLine {
            const char* label;
            int (TPlayer::*draw)(float, float);
        };
        const TLine lines[] = {{"Level", &TPlayer::DrawLevel},
                               {"Score", &TPlayer::DrawScore},
                               {"Gold", &TPlayer::DrawCoins},
                               {"Time", &TPlayer::DrawTime}};
        float x = kHudFirstX;
        for (const TLine& line : lines) {
            GameFonts.GUIFontSmall->DrawAligned(line.label, x, kHudLabelY, 1);
            (Player.*line.draw)(x, kHudNumberY);
            x += kHudStep;
        }
    }

    void ShowLevel(int level) {
        level_ = level;
        ImageLoad("Backgrounds/bg" + std::to_string(BackgroundFor(level)) + ".jpg", -1, 0);
        BoardEvents = TBoardEvents{};
        if (play_) {
            SaveData.timer = 1;
            Player.Level = Player.Unlocked = level;
            Player.InitNewLevelStats();
            ConnectBoardEvents();
            BoardEffects.Clear();
        } else {
            BoardEvents.PlayerLevel = [level] { return level; };
        }
        Grid = TGameGrid::Create();
        Grid->LoadLevel(level);
        FillGridUntilPlayable(level);
        Game->GameFade->Init(DefaultFadeTime, 0, 0, 0, 0, nullptr);
    }

    bool play_;
    int level_ = 1;
    float resting_ = 0;
};

}  // namespace

std::unique_ptr<TScreen> MakeBoardShowcase() {
    return std::make_unique<BoardShowcase>(false);
}

std::unique_ptr<TScreen> MakePlayShowcase() {
    return std::make_unique<BoardShowcase>(true);
}
