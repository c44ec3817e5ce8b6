#pragma once

#include "game/board/DragPowerup.h"

// The stake: dropped on a cell, it clears the gems and tiles of its area that no chain or rock holds.
class TStakeHUD : public TDragPowerup {
public:
    static constexpr int SLOT = 0;  // its place in the player's record of power-ups used

    int Load() override;
    int Activate(int x, int y) override;
    int Validate(int x, int y) override;
    int HasValidMove() override;

protected:
    THUDPowerInfoList AreaAt(int x, int y, int levelIndex) override;
};
