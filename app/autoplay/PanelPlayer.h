#pragma once

class THand;

// The autoplayer on the level complete panel: it reads the table a moment, then clicks OK, and once the
// panel has rolled away clicks Continue, with the same hand that played the board.
class TPanelPlayer {
public:
    explicit TPanelPlayer(int readTicks) : readTicks_(readTicks) {}
    // One logic tick while the panel is up.
    void Tick(THand& hand);

private:
    int readTicks_;
    float waited_ = 0;
};
