#pragma once

class TDialog;
class THand;

// The autoplayer before an open dialog, whatever the screen: it waits until the dialog stands still, reads
// it a moment, then clicks the answer a person would give: Buy when the keeper offers it (the shop's
// strategy only opens what it means to buy), No to a question that would change something it did not ask
// for (the wallpaper, a confirmation), and otherwise the dialog's OK or Yes.
class TDialogPlayer {
public:
    explicit TDialogPlayer(int readTicks) : readTicks_(readTicks) {}
    // One logic tick; false when no dialog is open, and the screen's own strategy plays.
    bool Tick(THand& hand);

private:
    int readTicks_;
    float waited_ = 0;
};

// The name of the button a person would click in dialog; empty when it has none to click.
const char* DialogAnswer(const TDialog& dialog);
