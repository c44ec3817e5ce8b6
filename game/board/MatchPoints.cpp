#include "game/board/MatchPoints.h"

#include <algorithm>

#include "game/board/Board.h"
#include "game/board/GemEffects.h"
#include "game/board/Player.h"

namespace {

constexpr int kSpriteRise = 15;  // pixels above the cell's centre where the points appear

}  // namespace

int MatchPoints(int count, int magic, int goal) {
    const bool scoring = magic || goal;
    if (count <= 0) return scoring ? 0 : 1;
    const int step = std::clamp(count - 2, 1, 8);
    return scoring ? step * 10 : step;
}

int PointsFrame(int points) {
    if (points >= 100) return 8;
    if (points >= 10) return std::clamp(points / 10 - 1, 0, 7);
    return std::clamp(points, 1, 8) + 8;
}

void AwardMatchPoints(int x, int y, int count, int magic, int goal) {
    const int points = MatchPoints(count, magic, goal);
    Player.BoostScore(points);
    int shown = points;
    if (magic) {
        Player.BoostScore(goal ? 100 : 10);
        // A magic gem off the goal shows the smallest figure of tens.
        shown = goal ? 100 : 10;
    }
    PointsPopup(static_cast<float>(GridToScreenX(x) + kCellSize / 2),
                static_cast<float>(GridToScreenY(y) + kCellSize / 2 - kSpriteRise), PointsFrame(shown));
}
