#pragma once

#include <memory>
#include <vector>

#include "framework/gfx/GameImage.h"
#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/HUDPowerup.h"

namespace murkwell::test {

// A power-up of the HUD with its slot at (x, 700), of the stake's shop line and charged: clicked, it is
// carried to the board; it may be used on any cell holding a gem, acts on the stake's plus of cells and
// records where it was used.
class TestPowerup : public THUDPowerup {
public:
    static std::shared_ptr<TestPowerup> Make(int x) {
        auto powerup = std::make_shared<TestPowerup>();
        powerup->HUDLocation = {x, 700};
        powerup->HUDBackImage = std::make_shared<TGameImage>();
        powerup->HUDBackImage->h = 60;
        powerup->ShopID = 24;
        powerup->ChargeRequiredS = powerup->CurrentCharge = 10;
        return powerup;
    }
    int Load() override { return 1; }
    int Draw(int) override { return 1; }
    int HasValidMove() override { return validMove; }
    int OnClicked() override { return Grid->SetBonusPointer(shared_from_this(), 1); }
    int Validate(int x, int y) override {
        const TCell* cell = CellAt(x, y);
        return cell && cell->Gem ? 1 : 0;
    }
    int Activate(int x, int y) override {
        used.push_back({x, y});
        return 1;
    }
    THUDPowerInfoList GetAreaOfEffect(int x, int y) override { return Grid->GetStakePoints(x, y, 1); }

    int validMove = 0;
    std::vector<TPoint> used;
};

}  // namespace murkwell::test
