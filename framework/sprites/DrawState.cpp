#include "framework/sprites/DrawState.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"

void TDrawState::Begin() {
    s_.graphics = Game ? &Game->GetPlatform().GetGraphics() : nullptr;
}

void TDrawState::End() {
    Flush();
    Forget();
}

void TDrawState::Flush() {
    // Only parts set since the last time can differ from what the layer has.
    const unsigned parts = s_.touched;
    if (!parts || !s_.graphics) return;
    s_.touched = 0;
    platform::Graphics& graphics = *s_.graphics;
    const Values& v = s_.want;
    Values& was = s_.sent;
    if ((parts & kScale) && (v.scaleX != was.scaleX || v.scaleY != was.scaleY)) {
        graphics.SetScale(v.scaleX, v.scaleY);
        was.scaleX = v.scaleX, was.scaleY = v.scaleY;
    }
    if ((parts & kRotation) && v.rotation != was.rotation) {
        graphics.SetRotation(v.rotation);
        was.rotation = v.rotation;
    }
    if ((parts & kAlpha) && v.alpha != was.alpha) {
        graphics.SetAlpha(v.alpha);
        was.alpha = v.alpha;
    }
    if ((parts & kColour) && (v.r != was.r || v.g != was.g || v.b != was.b)) {
        graphics.SetColor(v.r, v.g, v.b);
        was.r = v.r, was.g = v.g, was.b = v.b;
    }
    if ((parts & kBlend) && v.blend != was.blend) {
        graphics.SetBlend(v.blend);
        was.blend = v.blend;
    }
}
