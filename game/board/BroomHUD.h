#pragma once

#include "game/board/DragPowerup.h"

// The broom: dropped on a chained gem, it sweeps the chains off the gems of its area.
class TBroomHUD : public TDragPowerup {
public:
    static constexpr int SLOT = 2;

    int Load() override;
    int Activate(int x, int y) override;
    // Charged, and a chained gem stands somewhere on the board.
    int HasValidMove() override;

protected:
    THUDPowerInfoList AreaAt(int x, int y, int levelIndex) override;
};
