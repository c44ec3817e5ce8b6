#pragma once

#include <string>
#include <utility>

class THand;
class TScreen;

// The autoplayer on a screen it only passes through (the options, the intro, the instructions, the ending,
// the credits): it looks at the screen a moment once
// it has faded in, then clicks the menu button that leaves, with the same hand as everywhere.
class TLeavePlayer {
public:
    TLeavePlayer(int lookTicks, std::string button) : lookTicks_(lookTicks), button_(std::move(button)) {}
    // One logic tick while screen is the current one.
    void Tick(THand& hand, const TScreen& screen);

private:
    int lookTicks_;
    std::string button_;
    float waited_ = 0;
};
