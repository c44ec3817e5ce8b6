#include "game/board/TarotHUD.h"

#include <algorithm>
#include <cfloat>

#include "framework/core/Game.h"
#include "framework/core/Random.h"
#include "game/board/BoardSound.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/Player.h"

namespace {

constexpr int kShuffles = 50;

}  // namespace

int TTarotHUD::Load() {
    THUDPowerup::Load();
    SetKind({835, HUD_Y}, 18, 15, 6, nullptr);
    PinCount = 0;
    return 1;
}

int TTarotHUD::OnClicked() {
    PlayBankSound("Random");
    return StartTarot();
}

int TTarotHUD::StartTarot() {
    spinnable = Gems ? Gems->GetSpinnable() : TGemRefs{};
    isActive = 1;
    CalcTarotCenter();
    Grid->HUDPowerupBlockInput = 1;
    m_Stage = 0;
    m_StageTimer = 0;
    m_Active = 1;
    m_SpinAngle = 0;
    CurrentCharge = 0;
    spiralDir = -1;
    Player.UsedPowerup(SLOT);
    return 1;
}

int TTarotHUD::CalcTarotCenter() {
    float minX = FLT_MAX, maxX = -FLT_MAX, minY = FLT_MAX, maxY = -FLT_MAX;
    for (const auto& gem : spinnable) {
        if (gem->GemType > GEM_SKULL) continue;
        minX = std::min(minX, gem->x), maxX = std::max(maxX, gem->x);
        minY = std::min(minY, gem->y), maxY = std::max(maxY, gem->y);
    }
    if (minX > maxX) return 0;
    m_CurrentCentX = minX + static_cast<float>(static_cast<int>(maxX - minX) / 2);
    m_CurrentCentY = minY + static_cast<float>(static_cast<int>(maxY - minY) / 2);
    return 1;
}

int TTarotHUD::Update(float delta) {
    THUDPowerup::Update(delta);
    if (!m_Active || !Game) return 1;
    m_StageTimer += Game->FixedRateLogic.MS * delta;
    PositionPieces();
    if (m_StageTimer < stage_length) return 1;
    m_StageTimer = 0;
    if (++m_Stage >= m_StageCount) return StopTarot();
    return StartStage();
}

int TTarotHUD::PositionPieces() {
    const float r = std::min(1.0f, m_StageTimer / stage_length);
    m_SpinAngle = static_cast<float>(m_Stage) * 180 + r * 180;
    const float radius = spiralDir == 1 ? r : 1 - r;
    if (Gems) Gems->SetTarotAngle(m_SpinAngle, m_CurrentCentX, m_CurrentCentY, spinnable, radius);
    return 1;
}

int TTarotHUD::StartStage() {
    spiralDir = -spiralDir;
    return RandomizeTypes(0);
}

int TTarotHUD::RandomizeTypes(int tries) {
    const int count = static_cast<int>(spinnable.size());
    if (count == 0) return 0;
    for (; tries < kShuffles; ++tries) {
        for (const auto& gem : spinnable) gem->ExchangeType(*spinnable[Rand(0, count - 1)]);
        if (!Grid->DoNoMoreMoves(0)) break;
    }
    return 1;
}

int TTarotHUD::StopTarot() {
    if (Gems) Gems->RecalcCoords(spinnable);
    for (const auto& gem : spinnable) {
        if (gem->GemType == GEM_SKULL) gem->CollectIfSkullAtBottom();
    }
    spinnable.clear();
    isActive = 0;
    if (Grid) Grid->HUDPowerupBlockInput = 0;
    m_Active = 0;
    if (Grid && ClockAllowsPlay()) {
        Grid->CheckMatches(0, 0);
    } else {
        Player.ManageTime();
    }
    return 1;
}
