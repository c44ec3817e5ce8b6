#include "app/autoplay/BoardModel.h"

#include <algorithm>
#include <utility>

#include "game/board/Board.h"
#include "game/board/Cell.h"
#include "game/board/Gem.h"

TBoardModel::TBoardModel(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      cells_(static_cast<size_t>(width_ * height_)) {}

TBoardModel TBoardModel::Look() {
    TBoardModel model(Grid ? Grid->levelwidth : 0, Grid ? Grid->levelheight : 0);
    for (int y = 0; y < model.height_; ++y) {
        for (int x = 0; x < model.width_; ++x) {
            const TCell* cell = CellAt(x, y);
            TSeenCell& seen = model.At(x, y);
            if (!cell || !cell->active) continue;
            seen.active = true;
            seen.armour = (cell->armour1 ? 1 : 0) + (cell->armour2 ? 1 : 0);
            const TGem* gem = cell->Gem.get();
            // A gem on its way out is as good as gone.
            if (!gem || gem->GemType == GEM_CLEARED || gem->ExplosionCounter > 0) continue;
            seen.type = gem->GemType;
            seen.locked = gem->locked != 0;
            seen.rock = gem->rocked;
        }
    }
    if (Grid) model.goalColour = Grid->GoalMatchesType;
    return model;
}

bool TBoardModel::Colour(int type) {
    return type >= 0 && type < GEM_SKULL;
}

bool TBoardModel::Movable(const TSeenCell& cell) const {
    return cell.type != kEmpty && !cell.locked && cell.rock == 0;
}

std::vector<char> TBoardModel::Runs(int& bonusItems) const {
    std::vector<char> horizontal(cells_.size(), 0), vertical(cells_.size(), 0);
    auto index = [this](int x, int y) { return static_cast<size_t>(y * width_ + x); };
    auto matches = [this](int x, int y, int type) {
        const TSeenCell& cell = At(x, y);
        return cell.type == type && cell.rock == 0;
    };
    // Along each line a run starts at a free colour and grows over the same colour.
    auto scan = [&](int lines, int length, bool across, std::vector<char>& marks) {
        for (int line = 0; line < lines; ++line) {
            for (int at = 0; at < length;) {
                const int x = across ? at : line, y = across ? line : at;
                const int type = At(x, y).type;
                int end = at + 1;
                if (Colour(type) && At(x, y).rock == 0) {
                    while (end < length && matches(across ? end : line, across ? line : end, type)) ++end;
                }
                if (end - at >= 3) {
                    bonusItems += end - at >= 5 ? 2 : end - at == 4 ? 1 : 0;
                    for (int i = at; i < end; ++i) marks[across ? index(i, line) : index(line, i)] = 1;
                }
                at = end;
            }
        }
    };
    scan(height_, width_, true, horizontal);
    scan(width_, height_, false, vertical);
    std::vector<char> marks(cells_.size(), 0);
    for (size_t i = 0; i < marks.size(); ++i) {
        marks[i] = horizontal[i] || vertical[i];
        // Where two runs cross, a bigger bonus item is born.
        if (horizontal[i] && vertical[i]) bonusItems += 2;
    }
    return marks;
}

void TBoardModel::Crack(int x, int y, TOutcome& outcome) {
    TSeenCell& cell = At(x, y);
    if (cell.rock == 0) return;
    --cell.rock;
    ++outcome.rockHits;
    if (cell.rock == 0) ++outcome.rocksBroken;
}

void TBoardModel::ClearRuns(const std::vector<char>& marks, TOutcome& outcome) {
    std::vector<char> cracked(cells_.size(), 0);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!marks[static_cast<size_t>(y * width_ + x)]) continue;
            TSeenCell& cell = At(x, y);
            if (cell.locked) {
                cell.locked = false;
                ++outcome.chains;
                if (cell.armour > 0) ++outcome.tiledChains;
            } else {
                ++outcome.cleared;
                if (cell.type == goalColour) ++outcome.goalGems;
                if (cell.armour > 0) --cell.armour, ++outcome.tiles;
                cell.type = kEmpty;
            }
            for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                if (!Inside(x + dx, y + dy)) continue;
                char& done = cracked[static_cast<size_t>((y + dy) * width_ + x + dx)];
                if (!done && At(x + dx, y + dy).rock > 0) done = 1, Crack(x + dx, y + dy, outcome);
            }
        }
    }
}

void TBoardModel::Fall(TOutcome& outcome) {
    for (int x = 0; x < width_; ++x) {
        int floor = -1;  // the lowest empty cell a gem above may fall to
        for (int y = height_ - 1; y >= 0; --y) {
            TSeenCell& cell = At(x, y);
            if (!cell.active || (cell.type != kEmpty && !Movable(cell))) {
                floor = -1;
            } else if (cell.type == kEmpty) {
                if (floor < 0) floor = y;
            } else if (floor >= 0) {
                TSeenCell& to = At(x, floor);
                to.type = cell.type;
                cell.type = kEmpty;
                if (to.type == GEM_SKULL) outcome.skullRows += floor - y;
                --floor;
            }
        }
        // A skull with nothing that can stand below it is collected.
        for (int y = 0; y < height_; ++y) {
            TSeenCell& cell = At(x, y);
            if (cell.type == GEM_SKULL && (y + 1 == height_ || !At(x, y + 1).active)) {
                cell.type = kEmpty;
                ++outcome.skullsHome;
            }
        }
    }
}

void TBoardModel::Settle(int depth, TOutcome& outcome) {
    for (int step = 0; step <= depth; ++step) {
        Fall(outcome);
        if (step == depth) break;
        int bonusItems = 0;
        const std::vector<char> marks = Runs(bonusItems);
        if (std::none_of(marks.begin(), marks.end(), [](char m) { return m != 0; })) break;
        outcome.bonusItems += bonusItems;
        ClearRuns(marks, outcome);
    }
}

TOutcome TBoardModel::Swap(TCellPoint a, TCellPoint b, int depth) {
    TOutcome outcome;
    if (!Inside(a.x, a.y) || !Inside(b.x, b.y)) return outcome;
    std::swap(At(a.x, a.y).type, At(b.x, b.y).type);
    // A skull taken down a row by the swap itself.
    if (At(b.x, b.y).type == GEM_SKULL) outcome.skullRows += std::max(b.y - a.y, 0);
    if (At(a.x, a.y).type == GEM_SKULL) outcome.skullRows += std::max(a.y - b.y, 0);
    const std::vector<char> marks = Runs(outcome.bonusItems);
    ClearRuns(marks, outcome);
    Settle(depth, outcome);
    return outcome;
}

TOutcome TBoardModel::Hit(const std::vector<TCellPoint>& cells, int depth) {
    TOutcome outcome;
    for (const TCellPoint p : cells) {
        if (!Inside(p.x, p.y)) continue;
        TSeenCell& cell = At(p.x, p.y);
        if (!cell.active) continue;
        const bool free = cell.type == kEmpty || (!cell.locked && cell.rock == 0);
        if (free && cell.armour > 0) --cell.armour, ++outcome.tiles;
        if (cell.type == kEmpty) continue;
        if (cell.rock > 0) {
            Crack(p.x, p.y, outcome);
        } else if (cell.locked) {
            cell.locked = false;
            ++outcome.chains;
            if (cell.armour > 0) ++outcome.tiledChains;
        } else if (Colour(cell.type)) {
            // Skulls, coins and bags stay; a bonus item goes off, which the look ahead leaves aside.
            ++outcome.cleared;
            if (cell.type == goalColour) ++outcome.goalGems;
            cell.type = kEmpty;
        }
    }
    Settle(depth, outcome);
    return outcome;
}

TOutcome TBoardModel::Hammer(TCellPoint at, const std::vector<TCellPoint>& around, int depth) {
    TOutcome outcome;
    for (const TCellPoint p : around) {
        if (Inside(p.x, p.y) && !(p == at)) Crack(p.x, p.y, outcome);
    }
    if (Inside(at.x, at.y) && At(at.x, at.y).rock > 0) {
        outcome.rockHits += At(at.x, at.y).rock;
        ++outcome.rocksBroken;
        At(at.x, at.y).rock = 0;
    }
    Settle(depth, outcome);
    return outcome;
}

TOutcome TBoardModel::Unchain(const std::vector<TCellPoint>& cells) {
    TOutcome outcome;
    for (const TCellPoint p : cells) {
        if (!Inside(p.x, p.y) || !At(p.x, p.y).locked) continue;
        At(p.x, p.y).locked = false;
        ++outcome.chains;
        if (At(p.x, p.y).armour > 0) ++outcome.tiledChains;
    }
    return outcome;
}

TOutcome TBoardModel::Clear(const std::vector<TCellPoint>& cells, int depth) {
    std::vector<TCellPoint> free;
    for (const TCellPoint p : cells) {
        if (Inside(p.x, p.y) && !At(p.x, p.y).locked && At(p.x, p.y).rock == 0) free.push_back(p);
    }
    return Hit(free, depth);
}
