#pragma once

#include "framework/sprites/ParticleList.h"

// The particle effects of gems, at a point on the screen. Each count is scaled by the player's particle
// setting and truncated; each returns the number of particles made.

// The board's effects and the points rising from cleared cells; the game screen runs and draws the list with
// its own.
extern TParticleList BoardEffects;

class TLoadList;

// Lists the pictures of the effects and of the explosion flash for the image bank, one item each.
void ListGemEffectPictures(TLoadList& list);
// Takes them from the image bank (TGem::Load does); fatal when one is missing.
int LoadGemEffectImages();

// A bonus item went off in this tick at full power: the blasts it causes are thinned out.
bool BonusBlastThisTick();

// n sparkles thrown upwards and sideways.
int SparkleBurst(float x, float y, int n);
// n sparks at random angles 6 to 12 pixels out, half as many after a full-power bonus blast.
int SparkRing(float x, float y, int n);
// The puff of a chain coming off.
int UnlockPuff(float x, float y);
// n stone chips and a few sparkles: a rock that cracked.
int RockCrack(float x, float y, int n);
// The big stone pieces of a rock that broke, flying apart.
int RockDestroyed(float x, float y);
// A flash at a cleared magic gem and, unless the level is ending, a jagged beam to each power-up that
// takes charge (half as many segments after a full-power bonus blast). Sets the game screen's magic trigger
// and counts the freed gem.
int MagicRelease(float x, float y);
// The pieces of a broken armour layer: the upper (silver) layer 2 or the gold tile 1.
int TileBreak(float x, float y, int layer);
// A golden skull leaves the board at the bottom: its picture rises, swells and fades, with a burst of gold.
int SkullCollected(float x, float y);
// The points of a cleared cell rising and fading from (x, y): one frame of the points picture. Shown
// whatever the particle setting, as it tells the player something.
int PointsPopup(float x, float y, int frame);
