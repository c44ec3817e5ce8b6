#pragma once

#include <set>
#include <vector>

class THand;

// The shop items the player can buy now (the gold is enough, the item before it is owned), best first: the
// power-ups' upgrades, then what changes the board, each line from its first stage on.
std::vector<int> ItemsWorthBuying();

// The autoplayer in the shop: it looks at the shelf a moment, scrolls the bar to the best item it can pay
// for and clicks it (the dialog player then buys it), again and again while anything is affordable, then
// clicks the map button. An item the keeper would not sell is not asked for twice in one visit, so the
// visit always ends.
class TShopPlayer {
public:
    explicit TShopPlayer(int lookTicks) : lookTicks_(lookTicks) {}
    // One logic tick while the shop is the screen and no dialog is open.
    void Tick(THand& hand);
    // A new visit: nothing asked for yet.
    void Enter() { asked_.clear(); }

private:
    int lookTicks_;
    float waited_ = 0;
    std::multiset<int> asked_;  // items clicked in this visit
};
