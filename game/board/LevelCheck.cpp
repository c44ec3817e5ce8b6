#include "game/board/LevelCheck.h"

#include <algorithm>
#include <sstream>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/InitialFill.h"

namespace {

// The cell each tutorial tip points at, and the goals its level's tips talk about.
struct TipRule {
    int level;
    int x, y;  // -1: no cell
    bool matches, armour, collect, rocks;
};
const TipRule kTipRules[] = {
    {1, 3, 4, true, false, false, false},   {2, 5, 3, true, false, false, false},
    {3, 3, 3, false, true, false, false},   {5, -1, -1, true, true, false, false},
    {6, 4, 7, false, false, true, false},   {7, -1, -1, false, true, true, false},
    {9, 4, 6, false, false, false, false},  {10, -1, -1, true, true, false, true},
    {13, 5, 5, false, false, false, false}, {17, 3, 5, false, false, false, false},
};

class Checker {
public:
    Checker(int level, std::vector<std::string>& problems) : level_(level), problems_(problems) {}

    void Goals() {
        const TGameGrid& g = *Grid;
        if (!g.GoalMatches && !g.GoalArmour && !g.GoalCollect && !g.GoalRock) {
            Problem("no goal: the level would be won at once");
        }
        if (g.GoalMatches < 0 || g.GoalCollect < 0) Problem("a goal below zero");
        if (g.GoalMatches > 0) {
            if (g.GoalMatchesType < 1 || g.GoalMatchesType > 13) {
                Problem("the matches goal's gem type " + std::to_string(g.GoalMatchesType) +
                        " is not a colour");
            } else if (std::find(GemColours.begin(), GemColours.begin() + GemColourCount,
                                 g.GoalMatchesType) == GemColours.begin() + GemColourCount) {
                Problem("the matches goal's colour " + std::to_string(g.GoalMatchesType) +
                        " is not in the palette");
            }
        }
        if (g.GoalArmour != 0 && g.GoalArmour != 1) Problem("the armour goal is a flag: 0 or 1");
        if (g.GoalArmour && g.Gold == 0) Problem("an armour goal without armour tiles");
        if (g.GoalRock != 0 && g.GoalRock != 1) Problem("the rock goal is a flag: 0 or 1");
        if (g.GoalRock && g.Rocks == 0) Problem("a rock goal without rocks");
        if (g.TimeLimit <= 0) Problem("the time limit must be above 0 seconds");
    }

    void CellRules() {
        for (int y = 0; y < Grid->levelheight; ++y) {
            for (int x = 0; x < Grid->levelwidth; ++x) {
                const TCell& cell = *CellAt(x, y);
                const std::string at = " at " + std::to_string(x) + "," + std::to_string(y);
                if (!cell.active && (cell.gemlocked || cell.GemRock || cell.fixedGem)) {
                    Problem("a lock, rock or fixed gem in a hole" + at);
                }
                if (cell.fixedGem && cell.fixedGem < 14 && FixedRun(x, y)) {
                    Problem("fixed gems make a run of three" + at);
                }
            }
        }
    }

    void Tutorial() {
        for (const TipRule& rule : kTipRules) {
            if (rule.level != level_) continue;
            const TGameGrid& g = *Grid;
            if (rule.matches && g.GoalMatches <= 0) Problem("the tutorial's tips need a matches goal");
            if (rule.armour && g.GoalArmour != 1) Problem("the tutorial's tips need the armour goal");
            if (rule.collect && g.GoalCollect <= 0) Problem("the tutorial's tips need a collect goal");
            if (rule.rocks && g.GoalRock != 1) Problem("the tutorial's tips need the rock goal");
            if (rule.x >= 0 && !CellActive(rule.x, rule.y)) {
                Problem("the tutorial's arrow points at cell " + std::to_string(rule.x) + "," +
                        std::to_string(rule.y) + ", which is not on the field");
            }
        }
        if (level_ == 4) {
            const TCell* cell = CellAt(5, 1);
            if (!cell || !cell->active || cell->GemRock || (cell->fixedGem > 13)) {
                Problem(
                    "level 4 makes the gem at 5,1 magic: it must be a colour gem on the field, not rocked");
            }
        }
    }

private:
    void Problem(const std::string& text) { problems_.push_back(text); }

    static int Fixed(int x, int y) {
        const TCell* cell = CellAt(x, y);
        return cell && cell->active ? cell->fixedGem : 0;
    }
    // The cell starts a run of three fixed gems to its right or downwards.
    static bool FixedRun(int x, int y) {
        const int type = Fixed(x, y);
        return (Fixed(x + 1, y) == type && Fixed(x + 2, y) == type) ||
               (Fixed(x, y + 1) == type && Fixed(x, y + 2) == type);
    }

    int level_;
    std::vector<std::string>& problems_;
};

std::string Summary(const std::string& path, int fillsLow, int fillsHigh) {
    const TGameGrid& g = *Grid;
    int active = 0, fixed = 0;
    for (int y = 0; y < g.levelheight; ++y) {
        for (int x = 0; x < g.levelwidth; ++x) {
            active += CellActive(x, y) ? 1 : 0;
            fixed += CellAt(x, y)->fixedGem ? 1 : 0;
        }
    }
    std::ostringstream out;
    const std::string file = path.substr(path.find_last_of('/') + 1);
    out << file << "  \"" << g.LevelName << "\"  " << g.levelwidth << "x" << g.levelheight << "  cells "
        << active << "  goals matches " << g.GoalMatches;
    if (g.GoalMatches) out << " of " << g.GoalMatchesType;
    out << ", armour " << g.GoalArmour << " (" << g.Gold << " tiles), collect " << g.GoalCollect << ", rocks "
        << g.GoalRock << "  time " << static_cast<int>(g.TimeLimit / Game->CalcAnimLength(1000) + 0.5f)
        << " s  palette ";
    for (int i = 0; i < GemColourCount; ++i) out << (i ? "," : "") << GemColours[i];
    out << "  locks " << g.Locked << "  rocks " << g.Rocks << "  fixed " << fixed << "  fills " << fillsLow;
    if (fillsHigh != fillsLow) out << "-" << fillsHigh;
    return out.str();
}

}  // namespace

LevelReport CheckLevel(const std::string& path, int level, int seeds) {
    LevelReport report;
    Grid = std::make_shared<TGameGrid>();
    std::string error;
    if (!Grid->ReadLevelFile(path, error, &report.problems)) {
        report.summary = error;
        report.problems.insert(report.problems.begin(), error);
        return report;
    }
    Checker checker(level, report.problems);
    checker.Goals();
    checker.CellRules();
    checker.Tutorial();

    // The fill's magic gems depend on the level being played.
    const auto playerLevel = BoardEvents.PlayerLevel;
    BoardEvents.PlayerLevel = [level] { return level; };
    int fewest = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        SeedRandom(static_cast<uint32_t>(seed));
        const int fills = FillGridUntilPlayable(level);
        if (fills == 0) {
            report.problems.push_back("no playable first fill with seed " + std::to_string(seed) +
                                      ": every fill had a ready-made run or no move");
            break;
        }
        fewest = fewest == 0 ? fills : std::min(fewest, fills);
        report.maxFills = std::max(report.maxFills, fills);
    }
    BoardEvents.PlayerLevel = playerLevel;
    report.summary = Summary(path, fewest, report.maxFills);
    return report;
}
