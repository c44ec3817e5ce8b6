#pragma once

#include "game/board/DragPowerup.h"

// The hammer: dropped on a rock, it breaks the rock there for good and cracks the rocks around it.
class THammerHUD : public TDragPowerup {
public:
    static constexpr int SLOT = 1;

    int Load() override;
    int Activate(int x, int y) override;
    // Charged, and a rock stands somewhere on the board.
    int HasValidMove() override;

protected:
    THUDPowerInfoList AreaAt(int x, int y, int levelIndex) override;
};
