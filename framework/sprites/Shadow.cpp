#include "framework/sprites/Shadow.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"

float TextShadowX = 1.0f;
float TextShadowY = 1.0f;
float TextShadowAlpha = 0.5f;
float TextAlpha = 1.0f;

void TShadow::Apply() const {
    if (!Game) return;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(0, 0, 0);
    graphics.SetAlpha(Alpha);
}

void TShadow::Restore() const {
    if (!Game) return;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
}

void TShadow::ApplyToText() const {
    TextShadowX = X;
    TextShadowY = Y;
    TextShadowAlpha = Alpha;
}
