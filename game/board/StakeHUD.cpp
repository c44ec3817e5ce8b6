#include "game/board/StakeHUD.h"

#include "framework/core/Messages.h"
#include "game/board/BoardSound.h"
#include "game/board/GameGrid.h"
#include "game/board/Player.h"

int TStakeHUD::Load() {
    THUDPowerup::Load();
    SetKind({335, HUD_Y}, 10, 24, 1, "StakeCursor");
    return 1;
}

int TStakeHUD::Activate(int x, int y) {
    Grid->UseStake(x, y, Level() - 1);
    PlayBankSound("Stake");
    CurrentCharge = 0;
    Player.UsedPowerup(SLOT);
    return 1;
}

int TStakeHUD::Validate(int x, int y) {
    const int valid = TDragPowerup::Validate(x, y);
    if (!valid) DebugLog("No moves man");
    return valid;
}

int TStakeHUD::HasValidMove() {
    return Level() > 0 && IsCharged();
}

THUDPowerInfoList TStakeHUD::AreaAt(int x, int y, int levelIndex) {
    return Grid->GetStakePoints(x, y, levelIndex);
}
