#pragma once

class TDialog;
class THand;

// The autoplayer reading what the game tells it: a story dialog is read a moment and closed with its OK
// button; a tip box that can be closed is read a moment and closed with a click on its cross. Meanwhile
// the other players wait, as a person reading does.
class TReaderPlayer {
public:
    explicit TReaderPlayer(int readTicks) : readTicks_(readTicks) {}
    // One tick with dialog open (none: nothing to read). True while it has the hand.
    bool ReadDialog(THand& hand, const TDialog* dialog);
    // One tick of the tutorial's tips. True while it reads one; the hand's last plan runs on meanwhile.
    bool ReadTips(THand& hand);

private:
    int readTicks_;
    float dialogWaited_ = 0, tipWaited_ = 0;
};
