#pragma once

#include <memory>

class TGameImage;
class TShadow;

// The mouse: its position on the virtual screen, three buttons with their held flags and the presses
// counted since the last tick, the wheel, and the pointer the framework draws in place of the system's.
class TMousePointer {
public:
    int x = 0, y = 0;
    int WheelSpeed = 0;  // notches moved in the last event
    int WheelTotal = 0;
    int Visible = 1;                    // drawn at all (On / Off)
    std::shared_ptr<TGameImage> Image;  // the pointer picture; its handle is the hot spot
    // A second picture carried with the pointer (a power-up's icon), centred on the hot spot at its own
    // scale, with a shadow when it has one.
    std::shared_ptr<TGameImage> Image2;
    float Image2Scale = 1.0f;
    std::shared_ptr<TShadow> Image2Shadow;

    // Buttons are 1 left, 2 right, 3 middle.
    int ButtonDown(int button) const;
    // The presses of a button (or of any button, for 0) since hits were last cleared; consumed when read.
    int MouseHit(int button = 0);
    // The same without consuming them.
    int PeekHits(int button = 0) const;
    // 1 while any button (or the given one) is held.
    int GetMb(int button = 0) const;

    int On();
    int Off();
    int ClearMouseHit();
    int ClearButtons();
    int Manage();
    int CalcButtonTotals();
    int UpdateCoords();
    int Draw();

    // From the event handling.
    void Press(int button);
    void Release(int button);

private:
    static bool Valid(int button) { return button >= 1 && button <= 3; }
    int down_[4] = {};  // index 0 holds the totals over the three buttons
    int hits_[4] = {};
};
