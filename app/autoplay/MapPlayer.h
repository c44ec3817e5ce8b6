#pragma once

class THand;

// The autoplayer on the level map: it looks at the map a moment once it has slid into place, then clicks
// Play for the level the map offers (the next one after a win), with the same hand as everywhere.
class TMapPlayer {
public:
    explicit TMapPlayer(int lookTicks) : lookTicks_(lookTicks) {}
    // One logic tick while the map is the screen.
    void Tick(THand& hand);

private:
    int lookTicks_;
    float waited_ = 0;
};
