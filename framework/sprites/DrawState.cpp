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
    if (!s_.graphics) return;
    const Parts parts = s_.touched;
    s_.touched = {};
    platform::Graphics& graphics = *s_.graphics;
    const Values& v = s_.want;
    Values& was = s_.sent;
    if (parts.scale && (v.scaleX != was.scaleX || v.scaleY != was.scaleY)) {
        graphics.SetScale(v.scaleX, v.scaleY);
        was.scaleX = v.scaleX, was.scaleY = v.scaleY;
    }
    if (parts.rotation && v.rotation != was.rotation) {
        graphics.SetRotation(v.rotation);
        was.rotation = v.rotation;
    }
    if (parts.alpha && v.alpha != was.alpha) {
        graphics.SetAlpha(v.alpha);
        was.alpha = v.alpha;
    }
    if (parts.colour && (v.r != was.r || v.g != was.g || v.b != was.b)) {
        graphics.SetColor(v.r, v.g, v.b);
        was.r = v.r, was.g = v.g, was.b = v.b;
    }
    if (parts.blend && v.blend != was.blend) {
        graphics.SetBlend(v.blend);
        was.blend = v.blend;
    }
}
