#pragma once

#include <string>
#include <utility>

class THand;

// The autoplayer on the title: a first start's name prompt gets a name typed key by key and Enter, the
// play mode question that follows gets timed (relaxed when asked for); then, with a player greeted, it
// looks at the title a moment and clicks Play.
class TTitlePlayer {
public:
    TTitlePlayer(std::string name, bool relaxed, int lookTicks, int keyTicks)
        : name_(std::move(name)), relaxed_(relaxed), lookTicks_(lookTicks), keyTicks_(keyTicks) {}
    // One logic tick while the title is the screen.
    void Tick(THand& hand);

private:
    // Types the next key of the name, then Enter; one key every keyTicks_.
    void Type();

    std::string name_;
    bool relaxed_;
    int lookTicks_, keyTicks_;
    float waited_ = 0;
    size_t typed_ = 0;  // keys of the name typed so far; one more for Enter
};
