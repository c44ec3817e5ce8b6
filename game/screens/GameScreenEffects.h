#pragma once

#include "framework/sprites/ParticleList.h"

// The HUD's own effects, drawn over the panel: goal marks going off and the sparkles of a full gauge.
extern TParticleList HudEffects;

int LoadGameScreenEffectPictures();
// A goal met: stars bursting from its row of the panel.
int GoalBurst(float x, float y);
// One gold sparkle.
int GaugeSparkle(float x, float y);
