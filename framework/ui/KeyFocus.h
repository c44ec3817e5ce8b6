#pragma once

#include <vector>

// Keyboard play of every screen: each widget managed in a tick offers itself with its place, and the keys
// of the next tick walk those widgets. Tab and Shift+Tab go round them as text is read (top to bottom,
// left to right), the arrows go to the nearest one that way, Enter (and Space, unless something takes typing)
// presses the one in focus. The focus shows as a glowing frame from the first of those keys until the mouse
// moves; while it does not show, Enter and Space are left to the screens as before. A screen that offers
// nothing (the board in play) keeps every key for itself.
class TKeyFocus {
public:
    // The arrows a widget reads itself: kLeftRight and kUpDown while the focus shows on it (a slider's left
    // and right), kUpDownAlways also while the focus shows nowhere (a list's up and down, as before there
    // was a focus). kTabOnly: a widget over a screen that keeps the arrows (a tip over the board), reached
    // by Tab alone; while it is in focus, or the focus shows nowhere and nothing else is offered, the arrows
    // are left to the screen.
    enum Keeps { kNone = 0, kLeftRight, kUpDown, kUpDownAlways, kTabOnly };

    // A widget managed this tick takes part, at x, y with size w × h on the virtual screen. True when the
    // keys pressed it since the last tick.
    bool Offer(const void* widget, float x, float y, float w, float h, Keeps keeps = kNone);
    // A line being typed in is on screen: Space types and is never a press.
    void OfferTyping();
    // Once a tick, before the screen's logic: the keys against the widgets offered in the tick before.
    void BeginTick(float delta);
    // The focus frame, over the screen, while it shows.
    void Draw() const;

    bool Shows() const { return shows_; }
    // The focus shows on another widget than this one (an OK button then leaves Enter to it).
    bool ShowsElsewhere(const void* widget) const;
    bool ShowsOn(const void* widget) const { return shows_ && focused_ == widget; }
    // Enter went to the widget in focus this tick: a line being typed does not take it as well.
    bool TookEnter() const { return tookEnter_; }
    // Nothing in focus, nothing offered.
    void Reset();

private:
    struct Item {
        const void* widget;
        float x, y, w, h;
        Keeps keeps;
    };
    // The item the focus is on in the last tick's widgets, -1 when it is on none of them.
    int FocusedIndex() const;
    // The item nearest to from in direction dx, dy (one of them 0), -1 when none lies that way.
    int Nearest(int from, int dx, int dy) const;
    // The items' indices as Tab visits them: top to bottom, left to right.
    std::vector<int> ReadingOrder() const;
    // The item under the mouse, else the first.
    int Starting() const;
    // Whether the widget at index (-1: the focus shows nowhere) reads the arrow along dx, dy itself.
    bool LeftToWidget(int index, int dx, int dy) const;
    void Arrow(int code, int dx, int dy);

    std::vector<Item> offered_, last_;
    const void* focused_ = nullptr;
    const void* pressed_ = nullptr;
    bool shows_ = false;
    bool typing_ = false, typingLast_ = false;
    bool tookEnter_ = false;
    int mouseX_ = -1, mouseY_ = -1;
    float pulse_ = 0;
};

extern TKeyFocus KeyFocus;

// A glowing lantern-gold frame around a rectangle of the virtual screen; pulse 0 … 1 sets its glow.
void DrawFocusFrame(float x, float y, float w, float h, float pulse);
