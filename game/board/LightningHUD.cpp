#include "game/board/LightningHUD.h"

#include <algorithm>
#include <vector>

#include "framework/core/ChannelArray.h"
#include "framework/core/Game.h"
#include "framework/core/GameChannel.h"
#include "framework/core/GameSound.h"
#include "framework/core/Random.h"
#include "framework/core/SoundBank.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BonusEffects.h"
#include "game/board/Cell.h"
#include "game/board/Gem.h"
#include "game/board/Player.h"

namespace {

constexpr int kTries = 11;
// The columns and rows the bolts are drawn from.
constexpr int kLastColumn = 8, kLastRow = 9;

}  // namespace

int TLightningHUD::Load() {
    THUDPowerup::Load();
    SetKind({635, HUD_Y}, 20, 33, 4, nullptr);
    // A copy of the bank's sound: each strike sets its own pitch.
    if (const auto sound = SoundBank.Find("lightning")) thunder_ = std::make_shared<TGameSound>(*sound);
    return 1;
}

int TLightningHUD::OnClicked() {
    m_PowerSize = Level();
    if (m_PowerSize > 0) StartLightning();
    return 1;
}

int TLightningHUD::StartLightning() {
    isActive = 1;
    Grid->HUDPowerupBlockInput = 1;
    m_Stage = 0;
    m_StageTimer = 0;
    m_Active = 1;
    CurrentCharge = 0;
    m_CurentChannel.reset();
    Player.UsedPowerup(SLOT);
    return StartStage();
}

int TLightningHUD::StopLightning() {
    isActive = 0;
    if (Grid) Grid->HUDPowerupBlockInput = 0;
    m_Active = 0;
    if (Grid && ClockAllowsPlay()) {
        Grid->CheckLevelEnd();
        Grid->CheckNoMoreMoves();
    } else {
        // A time-up held back while the bolts fell comes now.
        Player.ManageTime();
    }
    m_CurentChannel.reset();
    return 1;
}

TCellPoint TLightningHUD::GetRandPoint() {
    for (int i = 0; i < kTries; ++i) {
        const int x = Rand(0, kLastColumn), y = Rand(0, kLastRow);
        // A try on a cell off a narrow board, a hole or an empty cell fails.
        const TCell* cell = CellAt(x, y);
        const TGem* gem = cell && cell->active ? cell->Gem.get() : nullptr;
        if (gem && !gem->IsBonus() && !gem->Swapping && gem->GemType != GEM_SKULL) return {x, y};
    }
    return {-1, -1};
}

int TLightningHUD::StartStage() {
    std::vector<int> columns;
    float sumX = 0;
    for (int bolt = 0; bolt < m_PowerSize; ++bolt) {
        const TCellPoint p = GetRandPoint();
        if (p.x < 0 || std::find(columns.begin(), columns.end(), p.x) != columns.end()) continue;
        columns.push_back(p.x);
        if (Grid->DestroySquare(p.x, p.y, 1)) BoardEvents.TriggerUnlock = 1;
        const float x = static_cast<float>(GridToScreenX(p.x) + kCellSize / 2);
        LightningStrike(x, static_cast<float>(GridToScreenY(p.y) + kCellSize / 2));
        sumX += x;
    }
    if (thunder_ && Game && Game->Channels) {
        thunder_->pitch = 1.0f + static_cast<float>(Rnd(-0.1, 0.1));
        const float g = std::clamp(sumX / 3 / 1024 * 2 - 1, 0.0f, 1.0f);
        m_CurentChannel = Game->Channels->PlayGameSound(*thunder_, m_CurentChannel, 1.0f, g * 2 - 1);
    }
    return 1;
}

int TLightningHUD::Update(float delta) {
    THUDPowerup::Update(delta);
    if (!m_Active || !Game) return 1;
    m_StageTimer += Game->FixedRateLogic.MS * delta;
    if (m_StageTimer < stage_length) return 1;
    m_StageTimer = 0;
    if (++m_Stage >= m_StageCount) return StopLightning();
    return StartStage();
}
