#include "framework/ui/MousePointer.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/GameImage.h"
#include "framework/sprites/Shadow.h"

// In system input mode the queries take the platform's events themselves (PollInSystemInputMode).
int TMousePointer::ButtonDown(int button) const {
    PollInSystemInputMode();
    return Valid(button) ? down_[button] : 0;
}

int TMousePointer::MouseHit(int button) {
    PollInSystemInputMode();
    if (button != 0 && !Valid(button)) return 0;
    const int hits = hits_[button];
    if (button == 0) {
        for (int& h : hits_) h = 0;
    } else {
        hits_[0] -= hits_[button];
        hits_[button] = 0;
    }
    return hits;
}

int TMousePointer::PeekHits(int button) const {
    return button == 0 || Valid(button) ? hits_[button] : 0;
}

int TMousePointer::GetMb(int button) const {
    PollInSystemInputMode();
    return button == 0 || Valid(button) ? (down_[button] > 0 ? 1 : 0) : 0;
}

int TMousePointer::On() {
    Visible = 1;
    return 1;
}

int TMousePointer::Off() {
    Visible = 0;
    return 1;
}

int TMousePointer::ClearMouseHit() {
    for (int& h : hits_) h = 0;
    return 1;
}

int TMousePointer::ClearButtons() {
    for (int& d : down_) d = 0;
    return ClearMouseHit();
}

// Nothing moves the pointer between events; the pointer's own animation joins it with the widgets.
int TMousePointer::Manage() {
    return 1;
}

int TMousePointer::CalcButtonTotals() {
    down_[0] = down_[1] + down_[2] + down_[3];
    hits_[0] = hits_[1] + hits_[2] + hits_[3];
    return 1;
}

// The position is kept from every movement event; nothing needs polling.
int TMousePointer::UpdateCoords() {
    return 1;
}

int TMousePointer::Draw() {
    if (!Visible || !Game || !Game->CustomMousePointer || !Image) return 0;
    const float px = static_cast<float>(x), py = static_cast<float>(y);
    if (Image2 && Image2->image) {
        platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
        graphics.SetScale(Image2Scale, Image2Scale);
        Image2->Draw(px, py, 0, Image2Shadow.get());
        graphics.SetScale(1, 1);
    }
    Image->Draw(px, py, 0);
    return 1;
}

void TMousePointer::Press(int button) {
    if (!Valid(button)) return;
    down_[button] = 1;
    ++hits_[button];
    CalcButtonTotals();
}

void TMousePointer::Release(int button) {
    if (!Valid(button)) return;
    down_[button] = 0;
    CalcButtonTotals();
}
