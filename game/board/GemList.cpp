#include "game/board/GemList.h"

#include <algorithm>
#include <cmath>

#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/sprites/Degrees.h"
#include "framework/sprites/Ticks.h"
#include "game/board/Board.h"
#include "game/board/BoardEvents.h"
#include "game/board/Cell.h"
#include "game/board/GameGrid.h"
#include "game/board/Gem.h"

namespace {

// The top-left corner of the board's middle cell (between two cells for an even size).
float BoardMiddleX() {
    return static_cast<float>(Grid->sx + (Grid->levelwidth * kCellSize - kCellSize) / 2);
}
float BoardMiddleY() {
    return static_cast<float>(Grid->sy + (Grid->levelheight * kCellSize - kCellSize) / 2);
}

// Neither chain nor rock holds it.
bool IsFree(const TGem& gem) {
    return !gem.locked && !gem.rocked;
}

void Turn(TGem& gem) {
    gem.Rotation = static_cast<float>(WrapCycle(gem.Rotation + gem.RotationSpeed * Delta, 0, 360));
}

}  // namespace

bool TGemList::Contains(const TGem& gem) const {
    auto same = [&](const std::shared_ptr<TGem>& p) { return p.get() == &gem; };
    return std::any_of(gems_.begin(), gems_.end(), same) ||
           std::any_of(arrivals_.begin(), arrivals_.end(), same);
}

void TGemList::Append(std::shared_ptr<TGem> gem) {
    if (!gem) return;
    // A run in progress meets it at its end, as the last gem.
    gems_.push_back(std::move(gem));
    ++live_;
}

int TGemList::Remove(const TGem& gem) {
    auto same = [&](const std::shared_ptr<TGem>& p) { return p.get() == &gem; };
    auto arrival = std::find_if(arrivals_.begin(), arrivals_.end(), same);
    if (arrival != arrivals_.end()) {
        arrivals_.erase(arrival);
        --live_;
        return 1;
    }
    auto it = std::find_if(gems_.begin(), gems_.end(), same);
    if (it == gems_.end()) return 0;
    if (passes_ > 0) {
        it->reset();
        holes_ = true;
    } else {
        gems_.erase(it);
    }
    --live_;
    return 1;
}

void TGemList::Clear() {
    arrivals_.clear();
    if (passes_ > 0) {
        for (auto& gem : gems_) gem.reset();
        holes_ = true;
    } else {
        gems_.clear();
    }
    live_ = 0;
}

void TGemList::Settle() {
    if (holes_) {
        std::erase(gems_, nullptr);
        holes_ = false;
    }
    TGemRefs waiting;
    waiting.swap(arrivals_);
    live_ -= static_cast<int>(waiting.size());
    for (auto& gem : waiting) InsertGem(std::move(gem));
}

int TGemList::InsertGem(std::shared_ptr<TGem> gem) {
    if (!gem) return 0;
    ++live_;
    if (passes_ > 0) {
        arrivals_.push_back(std::move(gem));
        return 1;
    }
    const float y = gem->y;
    auto higher =
        std::find_if(gems_.begin(), gems_.end(), [y](const std::shared_ptr<TGem>& p) { return p->y < y; });
    gems_.insert(higher, std::move(gem));
    return 1;
}

int TGemList::SortAll() {
    std::stable_sort(gems_.begin(), gems_.end(),
                     [](const std::shared_ptr<TGem>& a, const std::shared_ptr<TGem>& b) {
                         return TGem::CompareY(*a, *b) < 0;
                     });
    return 1;
}

int TGemList::Manage() {
    int exploding = 0;
    // Nothing swells under the mouse while the board is being lost or won.
    const bool hoverAllowed = !BoardEvents.NoMoreMovesRunning() && !BoardEvents.OutroRunning();
    ForEach([&](TGem& gem) {
        if (gem.Magic) gem.Manage();
        if (gem.GemType == GEM_COIN && !gem.locked) {
            const int spun = gem.ManageAnim();
            if (gem.SpinCoin(spun)) {
                BoardEvents.TriggerCoinDisappears = 1;
                gem.Explode(1, 0);
            }
        }
        if (gem.ExplosionCounter > 0) {
            exploding = 1;
            gem.ExplosionCounter -= Delta;
            Turn(gem);
            if (gem.OrigGemType > GEM_SKULL) gem.glow = std::max(0.0f, gem.glow - 0.02f * Delta);
            if (!RunOut(gem.ExplosionCounter)) return;
            if (gem.AnimActive) {
                // The bomb set off by a swap now goes off for real.
                gem.AnimActive = 0;
                gem.ExplosionCounter = 0;
                gem.Explode(1, 0);
                return;
            }
            TCell* cell = CellAt(gem.gx, gem.gy);
            if (cell && cell->Gem.get() == &gem) cell->Gem.reset();
            Remove(gem);
            return;
        }
        gem.MouseOver = hoverAllowed && gem.gx == Grid->mx && gem.gy == Grid->my && !gem.Swapping &&
                                gem.dy <= 0 && !gem.locked
                            ? 1
                            : 0;
        if (gem.MouseOver) {
            gem.ScaleUp();
        } else {
            gem.ScaleDown();
        }
    });
    return exploding;
}

int TGemList::Draw() {
    const float topY = Grid->topY;
    // While the tarot spins the free gems they are drawn last, over everything they pass.
    const bool tarot = BoardEvents.TarotActive();
    ForEach([&](TGem& gem) {
        if (gem.Swapping || gem.GemType == GEM_SKULL || (tarot && IsFree(gem))) return;
        gem.DrawGem(topY, 0, 0);
    });
    for (const auto& swapping : {Grid->SwapDest, Grid->SwapSource}) {
        if (swapping) swapping->DrawGem(0, swapping->IsBonus() ? 1 : 0, 0);
    }
    ForEach([&](TGem& gem) {
        if (!gem.Swapping) gem.DrawGem(topY, 1, 0);
    });
    ForEach([&](TGem& gem) {
        if (IsFree(gem) && (tarot || gem.GemType == GEM_SKULL)) gem.DrawGem(topY, 0, 1);
    });
    return 1;
}

TGemRefs TGemList::GetSpinnable() const {
    TGemRefs spinnable;
    for (const auto& gem : gems_) {
        if (gem && IsFree(*gem)) spinnable.push_back(gem);
    }
    return spinnable;
}

int TGemList::SetTarotAngle(float angle, float cx, float cy, const TGemRefs& list, float scale) {
    for (const auto& gem : list) {
        const double turn = gem->gx % 2 == 0 ? angle : -angle;
        gem->CalcCoords(gem->gx, gem->gy);
        const double fromX = gem->x - cx, fromY = gem->y - cy;
        gem->x = static_cast<float>(cx + (fromX * CosDeg(turn) - fromY * SinDeg(turn)) * scale);
        gem->y = static_cast<float>(cy + (fromX * SinDeg(turn) + fromY * CosDeg(turn)) * scale);
    }
    return 1;
}

int TGemList::RecalcCoords(const TGemRefs& list) {
    for (const auto& gem : list) gem->CalcCoords(gem->gx, gem->gy);
    return 1;
}

int TGemList::SetIntroPosition(float ratio, int width) {
    ForEach([&](TGem& gem) {
        // Each row down is a tenth of the slide further on: the bottom rows land first.
        const float f = std::max(0.0f, ratio - gem.gy / 10.0f);
        const int reach = gem.gx * 10 + gem.gy * 100 + 1000;
        // The left half comes in from the left, the right half from the right.
        gem.IntroOffsetX = static_cast<int>(f * (2 * gem.gx < width ? reach : -reach));
        gem.IntroOffsetY = static_cast<int>(-f * 500 - Grid->topY);
        gem.CalcCoords(gem.gx, gem.gy);
    });
    return 1;
}

int TGemList::ExplodeAll(int withEffects) {
    ForEach([&](TGem& gem) {
        gem.ExplosionShow = 0;
        if (withEffects) {
            gem.Explode(0, 1);
            return;
        }
        gem.GemType = GEM_CLEARED;
        gem.ExplosionCounter = gem.ExplosionLength;
        const float r = static_cast<float>(Rnd(0.00758, 0.01515));
        gem.dx = r * (gem.x - BoardMiddleX());
        gem.dy = r * (gem.y - BoardMiddleY());
    });
    return 1;
}

int TGemList::ExplodeSpecialItems(int type) {
    ForEach([&](TGem& gem) {
        if (gem.GemType == type) gem.Explode(0, 1);
    });
    return 1;
}

int TGemList::ExplodeMagicGems() {
    ForEach([&](TGem& gem) {
        if (gem.Magic) gem.Explode(0, 0);
    });
    return 1;
}

int TGemList::MoveAll() {
    ForEach([&](TGem& gem) {
        gem.Move();
        Turn(gem);
    });
    return 1;
}

int TGemList::SpreadAll() {
    ForEach([&](TGem& gem) {
        const float tx = gem.x - TGem::HALF_CELL - BoardMiddleX(),
                    ty = gem.y - TGem::HALF_CELL - BoardMiddleY();
        if (tx == 0 && ty == 0) {
            Remove(gem);
            return;
        }
        const float r = static_cast<float>(Rnd(0.00758, 0.01212));
        gem.dx = r * tx;
        gem.dy = r * ty;
        gem.RotationSpeed = static_cast<float>(Rnd(0.5, 1.0));
    });
    return 1;
}
