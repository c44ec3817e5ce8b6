#include "game/board/HammerHUD.h"

#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/Player.h"

int THammerHUD::Load() {
    THUDPowerup::Load();
    SetKind({435, HUD_Y}, 15, 30, 3, "HammerCursor");
    return 1;
}

int THammerHUD::Activate(int x, int y) {
    Grid->UseHammer(x, y, Level() - 1);
    Grid->CheckLevelEnd();
    Grid->CheckNoMoreMoves();
    CurrentCharge = 0;
    Grid->CheckMatches(0, 0);
    Player.UsedPowerup(SLOT);
    return 1;
}

int THammerHUD::HasValidMove() {
    return Level() > 0 && IsCharged() && BoardHolds([](const TGem& gem) { return gem.rocked != 0; });
}

THUDPowerInfoList THammerHUD::AreaAt(int x, int y, int levelIndex) {
    return Grid->GetHammerPoints(x, y, levelIndex);
}
