#pragma once

#include <cstdint>

#include "platform/Graphics.h"

// The drawing state sprites ask for (scale, rotation, alpha, colour, blend). It is kept here and handed to
// the drawing layer when a picture is drawn, and then only where it differs from what the layer already
// has. All of it happens inside a batch (the drawing of one sprite, or of a whole particle list): the
// resets each sprite makes after its picture cost nothing when the next picture wants the same state, and
// when the outermost batch ends the layer is brought up to date, so callers find it exactly as if every
// change had been made. Sprites set state many times a picture, so the setters are small enough to
// disappear into their callers.
class TDrawState {
public:
    class Batch {
    public:
        Batch() {
            if (s_.depth++ == 0) Begin();
        }
        ~Batch() {
            if (--s_.depth == 0) End();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
    };

    // Only inside a batch.
    static void SetScale(float x, float y) {
        s_.want.scaleX = x;
        s_.want.scaleY = y;
        s_.touched.scale = true;
    }
    static void SetRotation(float degrees) {
        s_.want.rotation = degrees;
        s_.touched.rotation = true;
    }
    // Both at once, as every picture sets them.
    static void SetTransform(float scaleX, float scaleY, float degrees) {
        s_.want.scaleX = scaleX;
        s_.want.scaleY = scaleY;
        s_.want.rotation = degrees;
        s_.touched.scale = s_.touched.rotation = true;
    }
    static void SetAlpha(float alpha) {
        s_.want.alpha = alpha;
        s_.touched.alpha = true;
    }
    static void SetColor(int r, int g, int b) {
        s_.want.r = r, s_.want.g = g, s_.want.b = b;
        s_.colourKnown = true;
        s_.touched.colour = true;
    }
    static void SetBlend(platform::BlendMode mode) {
        s_.want.blend = mode;
        s_.touched.blend = true;
    }
    // The colour in force; white when it was set elsewhere (white is the colour everything returns to).
    static void GetColor(int& r, int& g, int& b) {
        r = s_.colourKnown ? s_.want.r : 255;
        g = s_.colourKnown ? s_.want.g : 255;
        b = s_.colourKnown ? s_.want.b : 255;
    }
    static void DrawImage(const platform::Image& image, float x, float y, int frame) {
        if (!s_.graphics) return;
        Flush();
        s_.graphics->DrawImage(image, x, y, frame);
    }
    // Around code that talks to the drawing layer itself: Flush hands it the state in force, Forget
    // assumes nothing of it afterwards.
    static void Flush();
    static void Forget() {
        s_.touched = {};
        s_.colourKnown = false;
        s_.sent = kNothingSent;
    }

private:
    struct Values {
        float scaleX, scaleY, rotation, alpha;
        int r, g, b;
        platform::BlendMode blend;
    };
    // What the layer was given when nothing was: values no part equals (NaN equals nothing), so the first
    // of each part is always handed over.
    static constexpr float kNaN = __builtin_nanf("");
    static constexpr Values kNothingSent{kNaN, kNaN, kNaN, kNaN,
                                         -1,   -1,   -1,   static_cast<platform::BlendMode>(-1)};
    // One flag a part, each set by a plain store: the setters run several times a picture, and one
    // shared mask would chain all of them, picture after picture, one after another through memory.
    struct Parts {
        bool scale = false, rotation = false, alpha = false, colour = false, blend = false;
    };
    // A part the sprites have not set since the batch began (or since foreign drawing) is whatever the
    // layer holds.
    struct State {
        int depth = 0;
        Parts touched;             // set since the layer was last brought up to date
        bool colourKnown = false;  // whether the sprites set the colour in force
        platform::Graphics* graphics = nullptr;
        Values want = kNothingSent;
        Values sent = kNothingSent;
    };

    static void Begin();
    static void End();

    static State s_;
};

inline TDrawState::State TDrawState::s_;
