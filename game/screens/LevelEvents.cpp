#include "game/screens/LevelEvents.h"

#include <cmath>

#include "framework/core/Game.h"
#include "game/board/GameGrid.h"
#include "game/board/Player.h"

TLevelEvents LevelEvents;

TLevelEnd LevelEndOf(const std::string& result) {
    TLevelEnd end;
    end.level = Player.Level;
    end.result = result;
    end.score = Player.LevelScore;
    end.gold = Player.levelGoldCollected;
    end.timeLeftMs = static_cast<int>(std::lround(TimeLeftMs()));
    const float tickMs = Game ? Game->FixedRateLogic.MS : 0.0f;
    end.timeUsedMs = static_cast<int>(std::lround(Player.LevelTimeTaken * tickMs));
    end.timeLimitMs = Grid ? static_cast<int>(std::lround(Grid->TimeLimit * tickMs)) : 0;
    end.moves = Player.levelMoves;
    end.bombs = Player.levelBombsSetOff;
    end.powerups = Player.levelPowerupsUsed;
    return end;
}
