#pragma once

class THand;

// The autoplayer on the level map: it looks at the map a moment once it has slid into place, then, when
// the shop holds something it can buy, goes shopping once; else it clicks Play for the level the map offers
// (the next one after a win), with the same hand as everywhere.
class TMapPlayer {
public:
    explicit TMapPlayer(int lookTicks) : lookTicks_(lookTicks) {}
    // One logic tick while the map is the screen.
    void Tick(THand& hand);
    // A level has begun: the shop may be visited again after it.
    void LevelBegun() { shopVisited_ = false; }

private:
    int lookTicks_;
    float waited_ = 0;
    bool shopVisited_ = false;
};
