#pragma once

#include "game/board/DragPowerup.h"
#include "game/board/GemList.h"

// The tarot: the free gems spiral in to the middle of the board, change places there (until the board
// has a move, fifty shuffles at the most) and spiral back out; the board takes no input meanwhile.
class TTarotHUD : public TClickPowerup {
public:
    static constexpr int SLOT = 5;
    static constexpr int m_StageCount = 2;
    static constexpr int stage_length = 1500;  // ms

    int m_Active = 0;
    float m_StageTimer = 0;  // ms into the stage
    int m_Stage = 0;
    float m_SpinAngle = 0;  // degrees
    float m_CurrentCentX = 0, m_CurrentCentY = 0;
    TGemRefs spinnable;
    int spiralDir = -1;  // -1 inwards, 1 outwards

    int Load() override;
    int OnClicked() override;
    int Update(float delta) override;
    // The middle of the plain gems on the screen.
    int CalcTarotCenter();
    int StartTarot();
    int StopTarot();
    int RandomizeTypes(int tries);
    int StartStage();
    // Puts the spun gems on the spiral for the stage's progress.
    int PositionPieces();
};
