#pragma once

class THand;

// The autoplayer on the loading screen: once the bar is full and the continue button shows, it waits a
// moment and clicks the button.
class TLoadingPlayer {
public:
    explicit TLoadingPlayer(int lookTicks) : lookTicks_(lookTicks) {}
    // One logic tick while the loading screen is the screen.
    void Tick(THand& hand);

private:
    int lookTicks_;
    float waited_ = 0;
    bool clicked_ = false;
};
