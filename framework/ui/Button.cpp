// A button's state, set-up, sounds and its per-tick handling of the pointer and keys.
#include "framework/ui/Button.h"

#include <algorithm>
#include <cmath>

#include "framework/core/Game.h"
#include "framework/core/GameChannel.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/Label.h"
#include "framework/sprites/Box.h"
#include "framework/sprites/Ticks.h"
#include "framework/ui/KeyFocus.h"
#include "framework/ui/MousePointer.h"
#include "framework/ui/MouseRepeat.h"
#include "platform/KeyCodes.h"

TButton* DraggedButton = nullptr;

TButton::~TButton() {
    if (DraggedButton == this) DraggedButton = nullptr;
}

// ---- State ---------------------------------------------------------------------------------------------

int TButton::ClampScaledCoords(float& px, float& py, float width, float height) const {
    if (px + width > VirtualWidth) px = VirtualWidth - width;
    if (py + height > VirtualHeight) py = VirtualHeight - height;
    if (px < 0) px = 0;
    if (py < 0) py = 0;
    return 1;
}

int TButton::ClearClick() {
    Clicked = 0;
    MouseClickCounter = 0;
    MouseOver = 0;
    Glow = 0;
    GlowMode = 0;
    Dragging = 0;
    if (DraggedButton == this) DraggedButton = nullptr;
    return 1;
}

int TButton::ClearDrag() {
    Dragging = 0;
    if (DraggedButton == this) DraggedButton = nullptr;
    DragStartX = DragStartY = -1;
    return 1;
}

int TButton::ClearDoubleClick() {
    DoubleClicked = 0;
    DoubleClickCounter = 0;
    return 1;
}

int TButton::ClearMouseOver() {
    MouseOver = 0;
    ScaleOnMODelayCounter = 0;
    if (AutoGlowOnMO) Glow = 0, GlowMode = 0;
    return 1;
}

int TButton::Click(int repeat) {
    const bool timerRuns = !RunOut(MouseClickCounter);
    if (timerRuns && ClickWhenDown != 1) return 0;
    if (!Clicked && !NoSound) {
        if (repeat && SoundClick2) {
            PlayClick2();
        } else {
            PlayClick();
        }
    }
    Clicked = 1;
    if (ImageMouseClick) MouseClickCounter = MouseClickDuration;
    return 1;
}

int TButton::FixedGlowOnMOActivate() {
    if (FixedGlowOnMO != 1) return 0;
    GlowMode = 2;
    Glow = FixedGlowStrength;
    GlowSpeed = FixedGlowFade;
    return 1;
}

int TButton::GetDoubleClicked() {
    const int was = DoubleClicked;
    DoubleClicked = 0;
    return was;
}

int TButton::Init() {
    ClearClick();
    ClearDrag();
    ClearDoubleClick();
    ResetScaleOnMO();
    LastMouseDown = 0;
    return 1;
}

int TButton::Kill() {
    if (Game) {
        platform::Audio& audio = Game->GetPlatform().GetAudio();
        ReleaseChannel(audio, ChannelMouseOver);
        ReleaseChannel(audio, ChannelClick);
    }
    ChannelMouseOver = ChannelClick = 0;
    Caption.reset();
    MouseRepeat.reset();
    ClearDrag();
    return TSprite::Kill();  // drops the bounding box
}

// ---- Sounds --------------------------------------------------------------------------------------------

int TButton::PlayOn(platform::ChannelId& channel, const std::shared_ptr<TGameSound>& sound) {
    if (!sound || !Game) return 0;
    if (Disabled && !SoundsWhenDisabled) return 0;
    return Game->GameSoundPlay(channel, *sound, 0);
}

int TButton::PlayClick() {
    return PlayOn(ChannelClick, SoundClick);
}

int TButton::PlayClick2() {
    return PlayOn(ChannelClick, SoundClick2);
}

int TButton::PlayMouseOver() {
    return PlayOn(ChannelMouseOver, SoundMouseOver);
}

// ---- Set-up --------------------------------------------------------------------------------------------

int TButton::CentreX(float py) {
    return MoveTo(static_cast<float>(VirtualWidth / 2 - w / 2), py);
}

int TButton::MoveBy(float dx, float dy) {
    x += dx;
    y += dy;
    if (BoundingBox) {
        BoundingBox->X += dx;
        BoundingBox->Y += dy;
    }
    return 1;
}

int TButton::MoveTo(float px, float py) {
    return MoveBy(px - x, py - y);
}

int TButton::ResetScaleOnMO() {
    ScaleOnMO = 1;
    ScaleOnMODelayCounter = 0;
    return 1;
}

int TButton::SetCircularCollision(int radius) {
    CircularCollisionRadius = radius;
    return 1;
}

int TButton::SetDoubleClickTime(int ms) {
    DoubleClickTime = Game->CalcAnimLength(ms);
    return 1;
}

int TButton::SetFixedGlowOnMO(float strength, float fade, int useMO) {
    FixedGlowOnMO = 1;
    FixedGlowStrength = strength;
    FixedGlowFade = fade;
    FixedGlowOnMOUseMO = useMO;
    return 1;
}

int TButton::SetAutoGlow(float min, float max, float speed, int on) {
    AutoGlowOnMO = on;
    GlowMin = min;
    GlowMax = max;
    GlowRange = max - min;
    GlowSpeed = speed;
    return 1;
}

int TButton::SetBoundingBox(float x1, float y1, float x2OrW, float y2OrH, int corners, int relative) {
    auto box = std::make_shared<TBox>();
    if (corners) {
        box->X = std::min(x1, x2OrW);
        box->Y = std::min(y1, y2OrH);
        box->W = std::fabs(x2OrW - x1);
        box->H = std::fabs(y2OrH - y1);
    } else {
        box->X = x1;
        box->Y = y1;
        box->W = x2OrW;
        box->H = y2OrH;
    }
    if (relative) {
        box->X += x;
        box->Y += y;
    }
    BoundingBox = std::move(box);
    return 1;
}

int TButton::SetBoundingBoxAuto(float fx, float fy) {
    const float bw = w * fx, bh = h * fy;
    return SetBoundingBox((w - bw) / 2, (h - bh) / 2, bw, bh, 0, 1);
}

int TButton::SetupMouseRepeat(int initialMs, int repeatMs) {
    MouseRepeat = std::make_shared<TMouseRepeat>(initialMs, repeatMs);
    return 1;
}

int TButton::SetupScaleOnMO(float max, float upSpeed, float downSpeed, int delayMs) {
    ScaleOnMOMax = max;
    ScaleOnMOUpSpeed = upSpeed;
    ScaleOnMODownSpeed = downSpeed;
    ScaleOnMODelayFrames = static_cast<int>(Game->CalcAnimLength(delayMs));
    ScaleOnMODelayCounter = 0;
    return 1;
}

// ---- Input ---------------------------------------------------------------------------------------------

bool TButton::HitTest() {
    if (DraggedButton && DraggedButton != this) return false;
    const float mx = static_cast<float>(Game->Mouse->x), my = static_cast<float>(Game->Mouse->y);
    const float bx = x + offx, by = y + offy;
    bool over;
    if (BoundingBox && BoundingBox->Active) {
        const TBox& box = *BoundingBox;
        over = box.X + offx <= mx && mx < box.X + offx + box.W && box.Y + offy <= my &&
               my < box.Y + offy + box.H;
    } else if (CircularCollisionRadius >= 1) {
        const float dx = mx - (bx + w2), dy = my - (by + h2);
        over = dx * dx + dy * dy <= static_cast<float>(CircularCollisionRadius * CircularCollisionRadius);
    } else {
        // The picture as drawn: a menu scaled down keeps its buttons' hit areas on their pictures.
        over = bx <= mx && mx < bx + Width() && by <= my && my < by + Height();
    }
    if (over && MouseOverUserFunction && MouseOverUserFunction(*this) == 0) over = false;
    return over;
}

int TButton::Manage() {
    int clickedNow = 0;
    const bool live = Active && (!Disabled || ClickDisabled);
    if (!live) {
        ClearMouseOver();
        if (Dragging) ClearDrag();
        if (FixedGlowOnMO == 1) ManageGlow();
    } else {
        if (GlowMode > 0) ManageGlow();
        if (Animated) ManageAnim();
        const bool over = HitTest();
        if (over) {
            if (RunOut(MouseClickCounter) && !MouseOver && !NoSound) PlayMouseOver();
            MouseOver = 1;
            FixedGlowOnMOActivate();
            if (AutoGlowOnMO && GlowMode != 3) SetGlow(3, GlowMin, GlowSpeed, GlowMin, GlowMax);
            int press = 0;
            bool hit;
            if (Draggable) {
                // Never clicked, and the press is left to the drag.
                hit = Game->Mouse->PeekHits() > 0;
            } else if (MouseRepeat) {
                press = MouseRepeat->GetButton();
                hit = press == 1;
            } else {
                press = Game->Mouse->MouseHit() > 0 ? 1 : 0;
                hit = press == 1;
            }
            if (press) {
                clickedNow = Click(press == 2);
            } else {
                Clicked = 0;
            }
            if (DoubleClickTime > 0 && hit) {
                if (DoubleClickCounter > 0) {
                    DoubleClicked = 1;
                    DoubleClickCounter = 0;
                } else {
                    DoubleClickCounter = DoubleClickTime;
                }
            }
            if (!ManageMouseOverScale()) ManageScaleOnMO();
        } else {
            ClearMouseOver();
            ManageScaleOnMO();
            if (MouseRepeat) MouseRepeat->Reset();
        }
        if (Draggable) ManageDrag(over ? 1 : 0);
        if (KeyFocusable && !Draggable && KeyFocus.Offer(this, x + offx, y + offy, Width(), Height())) {
            clickedNow |= SimulateClick();
        }
        // While the keyboard's focus shows on another button, Enter is that button's.
        if (OKButton && !KeyFocus.ShowsElsewhere(this) &&
            (KeyHit(platform::vk::kEnter) || (OKButtonUseSpace && KeyHit(platform::vk::kSpace)))) {
            clickedNow |= SimulateClick();
        }
        if (DoubleClickCounter > 0) DoubleClickCounter = std::max(0.0f, DoubleClickCounter - Delta);
    }
    if (Dragging) ManageScaleOnMO();
    if (!StayDown && MouseClickCounter > 0) MouseClickCounter = std::max(0.0f, MouseClickCounter - Delta);
    return clickedNow;
}

int TButton::ManageNoSound() {
    NoSound = 1;
    const int result = Manage();
    NoSound = 0;
    return result;
}

int TButton::SimulateClick() {
    FixedGlowOnMOActivate();
    const int taken = Click(0);
    if (taken) MouseOver = 1;
    return taken;
}
