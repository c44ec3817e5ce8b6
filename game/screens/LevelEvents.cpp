#include "game/screens/LevelEvents.h"

#include <cmath>

#include "game/board/Player.h"

TLevelEvents LevelEvents;

TLevelEnd LevelEndOf(const std::string& result) {
    TLevelEnd end;
    end.level = Player.Level;
    end.result = result;
    end.score = Player.LevelScore;
    end.gold = Player.levelGoldCollected;
    end.timeLeftMs = static_cast<int>(std::lround(TimeLeftMs()));
    end.moves = Player.levelMoves;
    end.bombs = Player.levelBombsSetOff;
    end.powerups = Player.levelPowerupsUsed;
    return end;
}
