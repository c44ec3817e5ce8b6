#include "game/board/BroomHUD.h"

#include "game/board/BoardSound.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"
#include "game/board/Player.h"

int TBroomHUD::Load() {
    THUDPowerup::Load();
    SetKind({535, HUD_Y}, 12, 27, 2, "BroomCursor");
    return 1;
}

int TBroomHUD::Activate(int x, int y) {
    Grid->UseBroom(x, y, Level() - 1);
    PlayBankSound("Broom");
    Grid->CheckNoMoreMoves();
    CurrentCharge = 0;
    Grid->CheckMatches(0, 0);
    Player.UsedPowerup(SLOT);
    return 1;
}

int TBroomHUD::HasValidMove() {
    return Level() > 0 && IsCharged() && BoardHolds([](const TGem& gem) { return gem.locked != 0; });
}

THUDPowerInfoList TBroomHUD::AreaAt(int x, int y, int levelIndex) {
    return Grid->GetBroomPoints(x, y, levelIndex);
}
