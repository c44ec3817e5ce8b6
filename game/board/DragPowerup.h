#pragma once

#include "game/board/HUDPowerup.h"

class TGem;

// The stake, the hammer and the broom: clicked, the power-up is carried on the mouse pointer to the board,
// where its area of effect shows under the pointer, and it acts on the cell it is let go on when that
// cell is one it works on.
class TDragPowerup : public THUDPowerup {
public:
    int OnClicked() override;
    // The cell itself is one it works on.
    int Validate(int x, int y) override;
    THUDPowerInfoList GetAreaOfEffect(int x, int y) override;

protected:
    // Some gem on the board is one want accepts.
    static bool BoardHolds(bool (*want)(const TGem&));
    // Its area at (x, y) for a level index (level − 1: 0 the cell alone, 1 a plus, 2 the 3 × 3 square).
    virtual THUDPowerInfoList AreaAt(int x, int y, int levelIndex) = 0;
};

// Clicked, the lightning, the crystal and the tarot act at once; they refuse (with the invalid sound)
// while the board is busy with a swap, a fall or an explosion.
class TClickPowerup : public THUDPowerup {
public:
    int CheckIsClicked(int x, int y) override;
    int HasValidMove() override;
};
