#include "app/autoplay/BoardPolicy.h"

#include <algorithm>
#include <vector>

#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/BroomHUD.h"
#include "game/board/CrystalHUD.h"
#include "game/board/Gem.h"
#include "game/board/HammerHUD.h"
#include "game/board/LightningHUD.h"
#include "game/board/PlayableMoves.h"

namespace {

// What a bonus item's blast reaches from (x, y): the pumpkin's square, a row, a column, rays across or
// diagonally (two cells each way, or the whole board for the upgraded item), or the garlic's big square.
std::vector<TCellPoint> BlastArea(int type, int x, int y) {
    std::vector<TCellPoint> cells;
    const int level = type > GEM_COIN ? 2 : 1;
    const int width = Grid->levelwidth, height = Grid->levelheight;
    auto add = [&cells](const THUDPowerInfoList& points) {
        for (const THUDPowerInfo& p : points) {
            if (p.valid) cells.push_back({p.pos.x, p.pos.y});
        }
    };
    auto rays = [&](std::initializer_list<std::pair<int, int>> directions) {
        const int reach = level == 2 ? std::max(width, height) : 2;
        cells.push_back({x, y});
        for (int i = 1; i <= reach; ++i) {
            for (const auto& [dx, dy] : directions) cells.push_back({x + dx * i, y + dy * i});
        }
    };
    const int spread = level == 2 ? 1 : 0;
    switch (type > GEM_COIN ? type - 8 : type) {
        case 15:
            add(Grid->GetBombPoints(x, y, level));
            break;
        case 16:
            for (int row = y - spread; row <= y + spread; ++row) {
                for (int column = 0; column < width; ++column) cells.push_back({column, row});
            }
            break;
        case 17:
            for (int column = x - spread; column <= x + spread; ++column) {
                for (int row = 0; row < height; ++row) cells.push_back({column, row});
            }
            break;
        case 18:
            rays({{0, -1}, {0, 1}, {-1, 0}, {1, 0}});
            break;
        case 19:
            rays({{-1, -1}, {-1, 1}, {1, -1}, {1, 1}});
            break;
        case 20:
            rays({{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {-1, 1}, {1, -1}, {1, 1}});
            break;
        case 21:
            add(Grid->GetMegaPoints(x, y));
            break;
        default:
            break;
    }
    return cells;
}

std::vector<TCellPoint> ValidCells(const THUDPowerInfoList& points) {
    std::vector<TCellPoint> cells;
    for (const THUDPowerInfo& p : points) {
        if (p.valid) cells.push_back({p.pos.x, p.pos.y});
    }
    return cells;
}

// The worth of one gem struck at random: the mean over the plain gems in sight.
double MeanGemWorth(const TBoardModel& board, const TBoardPolicy::TOpenGoals& goals) {
    double total = 0;
    int count = 0;
    for (int y = 0; y < board.Height(); ++y) {
        for (int x = 0; x < board.Width(); ++x) {
            const auto& cell = board.At(x, y);
            if (cell.type < 0 || cell.type >= GEM_SKULL || cell.rock || cell.locked) continue;
            TBoardModel copy = board;
            total += TBoardPolicy::Worth(copy.Hit({{x, y}}, 0), goals);
            ++count;
        }
    }
    return count ? total / count : 0;
}

}  // namespace

TBoardPolicy::TOpenGoals TBoardPolicy::TOpenGoals::Now() {
    TOpenGoals goals;
    goals.colour = Grid->GoalMatches > 0 ? BoardEvents.MatchesToGo() : 0;
    goals.tiles = Grid->GoalArmour > 0 && Grid->Gold > 0 ? Grid->Armoured : 0;
    goals.rocks = Grid->GoalRock > 0 ? Grid->Rocks : 0;
    goals.skulls = Grid->GoalCollect > 0 ? BoardEvents.SkullsToGo() : 0;
    return goals;
}

double TBoardPolicy::Worth(const TOutcome& o, const TOpenGoals& goals) {
    // Every gem cleared charges the power-ups and scores; what the open goals need counts far more. A
    // chain or a rock in the way is worth breaking even when no goal asks for it.
    double worth = o.cleared + 1.5 * o.chains + 0.5 * o.rockHits + 3.0 * o.bonusItems;
    int open = 0, met = 0;
    // Only what a goal still wants counts; the last few of it are worth more, as the level waits for
    // them, and a goal met is worth a bonus of its own.
    auto goal = [&](int left, int done, double weight) {
        if (left <= 0) return;
        ++open;
        worth += weight * std::min(done, left) * (1.0 + 2.0 / left);
        if (done >= left) ++met;
    };
    goal(goals.colour, o.goalGems, 5.0);
    goal(goals.tiles, o.tiles, 6.0);
    goal(goals.rocks, o.rocksBroken, 8.0);
    goal(goals.skulls, o.skullsHome, 30.0);
    if (goals.tiles > 0) worth += 4.0 * o.tiledChains;
    if (goals.rocks > 0) worth += 3.0 * o.rockHits;
    if (goals.skulls > 0) worth += 4.0 * o.skullRows;
    worth += 15.0 * met;
    // The move that ends the level.
    if (open > 0 && met == open) worth += 100.0;
    return worth;
}

void TBoardPolicy::AddSwaps(const TBoardModel& board, const TOpenGoals& goals,
                            std::vector<TBoardAction>& actions) const {
    for (const TMove& move : FindMatchingMoves()) {
        TBoardModel copy = board;
        TBoardAction action{TBoardAction::Kind::Swap, move.from, move.to};
        action.value = Worth(copy.Swap(move.from, move.to), goals);
        actions.push_back(action);
    }
}

void TBoardPolicy::AddBombs(const TBoardModel& board, const TOpenGoals& goals,
                            std::vector<TBoardAction>& actions) const {
    for (const TCellPoint bomb : FindBombs()) {
        TBoardModel copy = board;
        TBoardAction action{TBoardAction::Kind::Bomb, bomb, bomb};
        const int type = board.At(bomb.x, bomb.y).type;
        // Against the clock a bomb set off now saves the moves it would take to clear as much; relaxed, it
        // waits until it does more than a swap would.
        const double worth = Worth(copy.Hit(BlastArea(type, bomb.x, bomb.y)), goals);
        action.value = style_.timed ? worth * 1.3 : worth - 2.0;
        actions.push_back(action);
    }
}

void TBoardPolicy::AddPowerups(const TBoardModel& board, const TOpenGoals& goals, bool stuck,
                               std::vector<TBoardAction>& actions) const {
    // A charged power-up gathers no more charge: used, it charges again.
    const double unusedCharge = style_.timed ? 4.0 : 2.0;
    for (int slot = 0; slot < static_cast<int>(HUDPowerups.size()); ++slot) {
        THUDPowerup* powerup = HUDPowerups[static_cast<size_t>(slot)].get();
        if (!powerup || !powerup->HasValidMove()) continue;
        TBoardAction best;
        best.kind = TBoardAction::Kind::Powerup;
        best.powerup = slot;
        best.value = -1;
        if (powerup->CursorImage) {
            best.carried = true;
            for (int y = 0; y < board.Height(); ++y) {
                for (int x = 0; x < board.Width(); ++x) {
                    if (!CellActive(x, y) || !powerup->Validate(x, y)) continue;
                    const std::vector<TCellPoint> area = ValidCells(powerup->GetAreaOfEffect(x, y));
                    TBoardModel copy = board;
                    const TOutcome outcome = dynamic_cast<THammerHUD*>(powerup)  ? copy.Hammer({x, y}, area)
                                             : dynamic_cast<TBroomHUD*>(powerup) ? copy.Unchain(area)
                                                                                 : copy.Clear(area);
                    const double value = Worth(outcome, goals);
                    if (value > best.value) best.value = value, best.at = {x, y};
                }
            }
            if (best.value < 0) continue;
        } else if (auto* lightning = dynamic_cast<TLightningHUD*>(powerup)) {
            // Five strikes of as many bolts as its level, each at a gem of its own.
            best.value = TLightningHUD::m_StageCount * lightning->Level() * MeanGemWorth(board, goals);
        } else if (dynamic_cast<TCrystalHUD*>(powerup)) {
            // A bonus item for each level, to be set off later.
            best.value = powerup->Level() * 3.0 * MeanGemWorth(board, goals);
        } else {
            // The shuffle: only when the board has nothing else to offer.
            if (!stuck) continue;
            best.value = 0;
        }
        best.value += unusedCharge;
        actions.push_back(best);
    }
}

TBoardAction TBoardPolicy::Choose(std::mt19937& random) const {
    auto pick = [&random](const std::vector<TCellPoint>& cells, TBoardAction::Kind kind) {
        const TCellPoint at = cells[random() % cells.size()];
        return TBoardAction{kind, at, at};
    };
    if (!Grid || !Gems) return {};
    const TOpenGoals goals = TOpenGoals::Now();
    const TBoardModel board = TBoardModel::Look();
    std::vector<TBoardAction> actions;
    if (style_.powerupsFirst) AddPowerups(board, goals, true, actions);
    if (!actions.empty()) return actions[random() % actions.size()];
    if (const auto pickups = FindPickups(); !pickups.empty())
        return pick(pickups, TBoardAction::Kind::Pickup);
    if (const auto bombs = FindBombs(); style_.bombsFirst && !bombs.empty()) {
        return pick(bombs, TBoardAction::Kind::Bomb);
    }
    AddSwaps(board, goals, actions);
    AddBombs(board, goals, actions);
    AddPowerups(board, goals, actions.empty(), actions);
    if (actions.empty()) return {};
    // The best; among equals, any.
    double bestValue = actions.front().value;
    for (const TBoardAction& action : actions) bestValue = std::max(bestValue, action.value);
    std::vector<TBoardAction> best;
    for (const TBoardAction& action : actions) {
        if (action.value == bestValue) best.push_back(action);
    }
    return best[random() % best.size()];
}
