#include "game/board/CrystalHUD.h"

#include "framework/core/Random.h"
#include "game/board/Board.h"
#include "game/board/BoardSound.h"
#include "game/board/BonusEffects.h"
#include "game/board/Cell.h"
#include "game/board/Gem.h"
#include "game/board/Player.h"

namespace {

constexpr int kTries = 101;

}  // namespace

int TCrystalHUD::Load() {
    THUDPowerup::Load();
    SetKind({735, HUD_Y}, 30, 36, 5, nullptr);
    return 1;
}

int TCrystalHUD::OnClicked() {
    m_PowerSize = Level();
    if (m_PowerSize <= 0) return 0;
    for (int i = 0; i < m_PowerSize; ++i) {
        const TCellPoint p = GetRandPoint();
        TCell* cell = CellAt(p.x, p.y);
        if (!cell) continue;
        // Cleared as a match would clear it, the gem leaves a bonus item of either kind behind.
        cell->match = 1;
        cell->createBonus = Rand(1, 2);
        CrystalBurst(static_cast<float>(GridToScreenX(p.x) + kCellSize / 2),
                     static_cast<float>(GridToScreenY(p.y) + kCellSize / 2));
    }
    CurrentCharge = 0;
    Grid->ProcessMatches(0, 0);
    Player.UsedPowerup(SLOT);
    PlayBankSound("MagicReleased");
    return 1;
}

TCellPoint TCrystalHUD::GetRandPoint() {
    for (int i = 0; i < kTries; ++i) {
        const int x = Rand(0, Grid->levelwidth - 1), y = Rand(0, Grid->levelheight - 1);
        const TCell* cell = CellAt(x, y);
        const TGem* gem = cell && cell->active ? cell->Gem.get() : nullptr;
        if (gem && !gem->locked && !gem->rocked && !gem->IsBonus() && !gem->Swapping &&
            gem->GemType != GEM_SKULL) {
            return {x, y};
        }
    }
    return {-1, -1};
}
