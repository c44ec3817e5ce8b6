#pragma once

class THand;

// The autoplayer reading the tutorial's tips: a tip box that can be closed is read a moment and closed with
// a click on its cross, or by a hand on the keyboard with Tab and Enter. Meanwhile the board's player waits,
// as a person reading does. (Story dialogs are answered like every other dialog.)
class TReaderPlayer {
public:
    explicit TReaderPlayer(int readTicks) : readTicks_(readTicks) {}
    // One tick of the tutorial's tips. True while it reads one; the hand's last plan runs on meanwhile.
    bool ReadTips(THand& hand);

private:
    int readTicks_;
    float tipWaited_ = 0;
};
