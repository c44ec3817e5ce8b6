#pragma once

#include <memory>

#include "game/board/DragPowerup.h"
#include "game/board/GameGrid.h"

class TGameChannel;
class TGameSound;

// The lightning: five strikes half a second apart, each of as many bolts as its level, every bolt in a
// column of its own; the board takes no input while it strikes.
class TLightningHUD : public TClickPowerup {
public:
    static constexpr int SLOT = 3;
    static constexpr int m_StageCount = 5;
    static constexpr int stage_length = 500;  // ms

    int m_Active = 0;
    float m_StageTimer = 0;  // ms into the strike
    int m_Stage = 0;
    int m_PowerSize = 1;  // bolts a strike
    std::shared_ptr<TGameChannel> m_CurentChannel;

    int Load() override;
    int OnClicked() override;
    int Update(float delta) override;
    int StartLightning();
    int StopLightning();
    // A cell a bolt may strike: a gem that is no bonus item, no skull and not swapping; -1, -1 when eleven
    // tries at random found none. Only the first nine columns are tried.
    TCellPoint GetRandPoint();
    int StartStage();

private:
    std::shared_ptr<TGameSound> thunder_;
};
