#include "app/showcase/BoardShowcase.h"

#include <climits>
#include <iterator>
#include <optional>

#include "app/autoplay/AutoInput.h"
#include "app/autoplay/BoardPlayer.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/core/SoundBank.h"
#include "framework/gfx/BitmapFont.h"
#include "framework/gfx/GameFonts.h"
#include "framework/gfx/ImageBank.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/Screen.h"
#include "framework/ui/MousePointer.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BoardPictures.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/GemEffects.h"
#include "game/board/GemList.h"
#include "game/board/HUDPowerup.h"
#include "game/board/HUDPowerupRow.h"
#include "game/board/InitialFill.h"
#include "game/board/PlayableMoves.h"
#include "game/board/Player.h"
#include "game/save/SaveData.h"
#include "game/save/ShopItem.h"
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
// A resting board shows its hint after this many ticks; the hand moves a little later.
constexpr float kHintAfterTicks = 20;
// A board the hand finds nothing to do on for this long gives way to the next level.
constexpr float kStuckTicks = 600;

// The shop items that let bombs appear and come upgraded: the play pages own them all.
constexpr int kBombItems[] = {1, 2, 3, 4, 5, 6, 7, 8, 16, 17, 18, 19, 20, 21};

// The bombs page: level 11, where the seven bombs at both levels, two coins and a bag come one after
// another, each when the one before has gone, in the middle of the board.
constexpr int kBombsLevel = 11;
constexpr int kPlacedItems[] = {GEM_COIN, 15, 23, 16, 24, 17, 25, 18,      26,
                                GEM_BAG,  19, 27, 20, 28, 21, 29, GEM_COIN};
constexpr TCellPoint kItemCell{5, 4};

// The power-ups page: level 94, with its chains and rocks, and every power-up bought to its last level.
constexpr int kPowerupsLevel = 94;
constexpr int kPowerupItems[] = {15, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38};

enum class Page { Board, Play, Bombs, Powerups };

class BoardShowcase : public TScreen {
public:
    explicit BoardShowcase(Page page) : page_(page) {
        name = page == Page::Board   ? "board"
               : page == Page::Play  ? "play"
               : page == Page::Bombs ? "bombs"
                                     : "powerups";
    }

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
        if (Playing()) {
            LoadGameFonts();
            InstallAutoInput(Game->GetPlatform());
        }
        if (page_ == Page::Powerups) {
            LoadHUDPowerupPictures();
            CreateHUDPowerups();
        }
        return 1;
    }
    int Start() override {
        TScreen::Start();
        ShowLevel(page_ == Page::Bombs ? kBombsLevel : page_ == Page::Powerups ? kPowerupsLevel : 1);
        return 1;
    }
    int Logic() override {
        if (!Playing()) {
            if (Game->Mouse->MouseHit(1)) ShowLevel(level_ % kLevels + 1);
            Grid->mx = ScreenToGridX(Game->Mouse->x);
            Grid->my = ScreenToGridY(Game->Mouse->y);
            for (TSineCounter* counter :
                 {&Grid->glow1, &Grid->glow2, &Grid->glow3, &Grid->glow4, &Grid->SkullAnim}) {
                counter->Manage();
            }
            Gems->Manage();
            return 1;
        }
        return Play();
    }
    int Draw() override {
        TScreen::Draw();
        Grid->Draw();
        if (!Playing()) return 1;
        BoardEffects.Draw();
        if (page_ == Page::Powerups) {
            Grid->DrawHUDPowers();
        } else {
            DrawHud();
        }
        return 1;
    }
    int Kill() override {
        ResetBoard();
        BoardEvents = TBoardEvents{};
        hand_.reset();
        HUDPowerups = {};
        if (Playing()) KillGameFonts();
        return TScreen::Kill();
    }

private:
    bool Playing() const { return page_ != Page::Board; }

    // The level plays itself on its frontier in timed mode, by the autoplayer's hand on the mouse: the
    // hint shows once the board has rested a moment, then the hand moves. A won level, or one without
    // moves, gives way to the next.
    int Play() {
        Grid->Manage();
        Player.Manage();
        BoardEffects.Manage();
        hand_->Tick();
        resting_ = BoardAtRest() ? resting_ + Delta : 0;
        if (page_ == Page::Bombs && hand_->Idle() && resting_ > 0) PlaceNextItem();
        if (page_ == Page::Powerups && hand_->Idle() && resting_ > 0) ChargeWhenAllUsed();
        if (hand_->Idle() && resting_ >= kHintAfterTicks && !hinted_) hinted_ = Grid->StartHint();
        if (!BoardAtRest()) hinted_ = 0;
        const bool stuck = hand_->Idle() && resting_ > kStuckTicks;
        if (hand_->Idle() && (noMoves_ || stuck || (Grid->TargetMet && resting_ > 0))) {
            ShowLevel(level_ % kLevels + 1);
        }
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
        if (Playing()) {
            SaveData.timer = 1;
            for (const int item : kBombItems) SaveData.shopPurchases[item] = ShopItem::PURCHASED;
            if (page_ == Page::Powerups) {
                for (const int item : kPowerupItems) SaveData.shopPurchases[item] = ShopItem::PURCHASED;
            }
            Player.Level = Player.Unlocked = level;
            Player.InitNewLevelStats();
            ConnectBoardEvents();
            BoardEvents.NoMoreMoves = [this] { noMoves_ = true; };
            noMoves_ = false;
            resting_ = 0;
            hinted_ = 0;
            if (!hand_) {
                TBoardPlayer::TPace pace;
                pace.bombsFirst = page_ == Page::Bombs;
                pace.powerupsFirst = page_ == Page::Powerups;
                hand_.emplace(PushAutoInput, static_cast<uint32_t>(Rand(0, INT_MAX)), pace);
            }
        } else {
            BoardEvents.PlayerLevel = [level] { return level; };
        }
        ResetBoard();
        Grid = TGameGrid::Create();
        Grid->LoadLevel(level);
        FillGridUntilPlayable(level);
        nextItem_ = 0;
        for (const auto& powerup : HUDPowerups) {
            if (powerup) powerup->Reset(), powerup->offsetY = 0;
        }
        if (page_ == Page::Powerups) ChargeWhenAllUsed();
        Grid->RestorePointer();
        Game->GameFade->Init(DefaultFadeTime, 0, 0, 0, 0, nullptr);
    }

    // The next item of the bombs page, once the board holds no bonus item: in the middle cell, or the
    // first free gem after it.
    void PlaceNextItem() {
        if (level_ != kBombsLevel || nextItem_ >= static_cast<int>(std::size(kPlacedItems))) return;
        if (!FindBombs().empty() || !FindPickups().empty()) return;
        for (int i = 0; i < Grid->levelwidth * Grid->levelheight; ++i) {
            const int x = (kItemCell.x + i) % Grid->levelwidth;
            const int y = (kItemCell.y + (kItemCell.x + i) / Grid->levelwidth) % Grid->levelheight;
            TCell* cell = CellAt(x, y);
            if (!cell || !cell->Gem || cell->Gem->locked || cell->Gem->rocked) continue;
            const int type = kPlacedItems[nextItem_++];
            Grid->DeleteGem(x, y);
            const auto gem = type == GEM_COIN  ? TGem::MakeCoin(x, y, 0)
                             : type == GEM_BAG ? TGem::MakeBag(x, y, 0)
                                               : TGem::Make(x, y, type, 0);
            Gems->InsertGem(gem);
            cell->Gem = gem;
            return;
        }
    }

    // Every power-up is charged again once none can act any more.
    static void ChargeWhenAllUsed() {
        for (const auto& powerup : HUDPowerups) {
            if (powerup && powerup->HasValidMove()) return;
        }
        for (const auto& powerup : HUDPowerups) {
            if (powerup) powerup->ChargeFully();
        }
    }

    Page page_;
    int level_ = 1;
    float resting_ = 0;
    int hinted_ = 0;
    bool noMoves_ = false;
    int nextItem_ = 0;
    std::optional<TBoardPlayer> hand_;
};

}  // namespace

std::unique_ptr<TScreen> MakeBoardShowcase() {
    return std::make_unique<BoardShowcase>(Page::Board);
}

std::unique_ptr<TScreen> MakePlayShowcase() {
    return std::make_unique<BoardShowcase>(Page::Play);
}

std::unique_ptr<TScreen> MakeBombsShowcase() {
    return std::make_unique<BoardShowcase>(Page::Bombs);
}

std::unique_ptr<TScreen> MakePowerupsShowcase() {
    return std::make_unique<BoardShowcase>(Page::Powerups);
}
