// The sprite's frame animation: a counter over one pass of AnimLength ticks, wrapping, holding or
// bouncing at the ends.
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/sprites/Animation.h"
#include "framework/sprites/Sprite.h"
#include "framework/sprites/Ticks.h"

namespace {

// Where the counter rests when an animation holds at its lower end: just above 0, so the frame drawn is
// still the animation's and not ImageFrame.
constexpr double kLowRest = 0.01;

}  // namespace

int TSprite::AnimBoundsCheckLower() {
    if (!RunOut(AnimCounter)) return 0;
    if (PingPong) {
        AnimCounter = -AnimCounter + FrameLength;
        if (AnimCounter == 0) AnimCounter = kLowRest;
        // From the bottom the counter runs up again: AnimReverse 1 for a pass that counts down, 0 for one
        // that counts up (with 1 that one would run on down and stick on its first frame).
        AnimReverse = AnimCounterDir == 1 ? 0 : 1;
        return 1;
    }
    if (Loop && LoopCount > 0 && --LoopCount == 0) {
        Loop = 0;
        AnimCounter = kLowRest;
        return 1;
    }
    AnimCounter = Loop ? AnimCounter + AnimLength : kLowRest;
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
}

int TSprite::AnimBoundsCheckUpper() {
    if (!Reached(AnimCounter, AnimLength)) return 0;
    if (PingPong) {
        AnimCounter = AnimLength - (AnimCounter - AnimLength) - FrameLength;
        // From the top the counter runs down again: AnimReverse 0 for a pass that counts down, 1 for one
        // that counts up (with 0 that one would run on up and stick on its last frame).
        AnimReverse = AnimCounterDir == 1 ? 1 : 0;
        return 1;
    }
    if (Loop && LoopCount > 0 && --LoopCount == 0) {
        Loop = 0;
        AnimCounter = AnimLength;
        return 1;
    }
    AnimCounter = Loop ? AnimCounter - AnimLength : AnimLength;
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
}

int TSprite::GetAnimFrame() const {
    return FrameFromCounter(AnimCounter, AnimLength, FramesTotal, AnimCounterDir == 1);
}

int TSprite::StepAnim() {
    // A pass that stopped is held at its end, and every further tick runs into that end again: it reports
    // the end and calls AnimStoppedFunction each time, so an owner may act on it whenever it looks.
    int result;
    if (CountingUp()) {
        AnimCounter += Delta;
        result = AnimBoundsCheckUpper();
    } else {
        AnimCounter -= Delta;
        result = AnimBoundsCheckLower();
    }
    frame = GetAnimFrame();
    return result;
}

int TSprite::RandomiseAnimPos() {
    AnimCounter = Rnd(kLowRest, AnimLength);
    return 1;
}

int TSprite::SetupAnim(int frames, int ms, int counterDir, int reverse, int randomStart, int pingPong,
                       int loop) {
    frame = 0;
    FramesTotal = frames;
    AnimLength = Ticks(ms);
    AnimCounterDir = counterDir;
    AnimReverse = reverse;
    PingPong = pingPong;
    FrameLength = frames > 0 ? static_cast<float>(AnimLength) / frames : 0.0f;
    Loop = loop;
    if (randomStart) {
        RandomiseAnimPos();
    } else if (CountingUp()) {
        // Counting up starts at the bottom: 0 when that is the usual way, just above it on the way back.
        AnimCounter = counterDir == 1 ? 0.0 : kLowRest;
    } else {
        AnimCounter = AnimLength;
    }
    return 1;
}

int TSprite::StopAnim() {
    AnimCounter = 0;
    FramesTotal = 1;
    return 1;
}
