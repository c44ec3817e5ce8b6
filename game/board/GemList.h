#pragma once

#include <memory>
#include <vector>

class TGem;

using TGemRefs = std::vector<std::shared_ptr<TGem>>;

// Every live gem, lowest on the screen first: the falling rules rely on that order. Gems may leave or
// arrive while the list is being run: a leaver is skipped at once and its place closed when the run ends,
// an arrival waits for the end of the run and then takes its place in the order.
class TGemList {
public:
    int Count() const { return live_; }
    // Runs f on every gem in order.
    template <class F>
    void ForEach(F&& f) {
        ++passes_;
        for (size_t i = 0; i < gems_.size(); ++i) {
            // Held while f runs: f may take the gem out of the list and its cell.
            const std::shared_ptr<TGem> gem = gems_[i];
            if (gem) f(*gem);
        }
        if (--passes_ == 0) Settle();
    }
    // The gems in order (outside a run).
    const TGemRefs& Items() const { return gems_; }
    bool Contains(const TGem& gem) const;
    // At the end, whatever its height (the first fill lays the board out row by row).
    void Append(std::shared_ptr<TGem> gem);
    int Remove(const TGem& gem);
    void Clear();

    // Four passes: colours under the swap, the swapping pair, skulls and items over the colours, then
    // what must stay on top (the gems the tarot spins, free skulls).
    int Draw();
    // The gems that neither chain nor rock holds (the tarot spins them).
    TGemRefs GetSpinnable() const;
    // Spins the gems of list about (cx, cy): even columns by angle, odd ones the other way, scaled.
    int SetTarotAngle(float angle, float cx, float cy, const TGemRefs& list, float scale);
    int RecalcCoords(const TGemRefs& list);
    // The board's slide-in: ratio 1 off the screen, 0 in place; the rows below arrive first.
    int SetIntroPosition(float ratio, int width);
    // The end of a level: every gem explodes (withEffects) or flies away from the board's centre.
    int ExplodeAll(int withEffects);
    int ExplodeSpecialItems(int type);
    int ExplodeMagicGems();
    // Before the first gem lower than it, keeping the order.
    int InsertGem(std::shared_ptr<TGem> gem);
    // 1 while a gem explodes: magic pulses, coin spins and lives, explosions, hover.
    int Manage();
    // The gems fly on (the outro and the lost board).
    int MoveAll();
    // Gems cast their shadows from their own drawing; the list keeps no shadow setting.
    int SetShadow() { return 1; }
    int SortAll();
    // The lost board flies apart from its centre; the gem at the very centre goes at once.
    int SpreadAll();

private:
    void Settle();

    TGemRefs gems_;
    TGemRefs arrivals_;  // inserted during a run
    int passes_ = 0;
    int live_ = 0;
    bool holes_ = false;
};
