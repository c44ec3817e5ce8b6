#pragma once

#include "framework/sprites/ParticleList.h"

// The HUD's own effects, drawn over the panel: goal marks going off and the sparkles of a full gauge.
extern TParticleList HudEffects;

class TLoadList;

// Lists the HUD effects' own picture for the image bank and takes their pictures from it.
void ListGameScreenEffectPictures(TLoadList& list);
// A goal met: stars bursting from its row of the panel.
int GoalBurst(float x, float y);
// One gold sparkle.
int GaugeSparkle(float x, float y);
