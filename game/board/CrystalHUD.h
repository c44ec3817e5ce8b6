#pragma once

#include "game/board/DragPowerup.h"
#include "game/board/GameGrid.h"

// The crystal: as many gems as its level, picked at random, turn into bonus items at once.
class TCrystalHUD : public TClickPowerup {
public:
    static constexpr int SLOT = 4;

    int m_PowerSize = 1;

    int Load() override;
    int OnClicked() override;
    // A plain gem, free of chain and rock, that is neither swapping nor a skull; -1, -1 when a hundred
    // and one tries found none.
    TCellPoint GetRandPoint();
};
