#pragma once

class THand;
class TScreen;

// The autoplayer on a page that is read and then left by its "ok" button (the intro, the instructions, the
// ending and the credits): once the screen has faded in it looks for a while, then clicks OK.
class TReaderPlayer {
public:
    explicit TReaderPlayer(int readTicks) : readTicks_(readTicks) {}
    // One logic tick while such a screen is current.
    void Tick(THand& hand, TScreen& screen);

private:
    int readTicks_;
    float waited_ = 0;
    const TScreen* reading_ = nullptr;
};
