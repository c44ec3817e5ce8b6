#include "game/board/BoardEvents.h"

#include "game/board/Board.h"
#include "game/board/GameGrid.h"
#include "game/board/MatchPoints.h"
#include "game/board/Player.h"

TBoardEvents BoardEvents;

void ConnectBoardEvents() {
    BoardEvents.AwardMatchPoints = AwardMatchPoints;
    BoardEvents.CountGoalMatch = [] { ++Player.LevelGoalMatches; };
    BoardEvents.MatchesToGo = [] { return Player.GetMatchesToGo(); };
    BoardEvents.SkullsToGo = [] { return Player.GetSpecialItemsToGo(); };
    BoardEvents.PlayerLevel = [] { return Player.Level; };
    BoardEvents.CoinSpawned = [] { ++Player.levelCoinsSpawned; };
    BoardEvents.BagSpawned = [] { ++Player.levelBagsSpawned; };
    BoardEvents.MagicFreed = [] { ++Player.MagicFreed; };
    BoardEvents.CheckTarget = [] {
        if (Grid) Grid->CheckTarget();
    };
    BoardEvents.CollectEgg = [](TGem& skull) {
        if (Grid) Grid->CollectEgg(skull);
    };
}
