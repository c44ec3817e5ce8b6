#pragma once

#include <memory>
#include <vector>

#include "framework/sprites/Particle.h"

class TGameImage;
class TParticleList;

// The ready-made effects every screen builds its sparkles, rings, showers, flying coins and beams from.
// Randomness comes from Rand and Rnd, so a fixed seed replays an effect exactly.

// A count of decorative pieces scaled by the player's particle setting (percent), truncated.
int DensityCount(int n);

// How the pieces of an effect look and move. Each piece takes a random picture, direction, speed, scale
// and spin within these ranges.
struct TEffectStyle {
    std::vector<std::shared_ptr<TGameImage>> Images;  // listing a picture twice makes it twice as likely
    float MinSpeed = 1.0f, MaxSpeed = 3.0f;           // pixels per tick
    float MinAngle = 0, MaxAngle = 360.0f;            // direction: degrees clockwise from straight up
    int EvenSpread = 0;                               // 1: directions evenly spaced instead of at random
    float MinRadius = 0, MaxRadius = 0;               // pieces start this far out from the centre
    float Gravity = 0;                                // pixels per tick added to the fall each tick
    int FadeMs = 600;                                 // the fade-out that ends a piece
    int LifeMs = 0;                                   // 0: the fade alone ends it
    float MinScale = 1.0f, MaxScale = 1.0f;
    float ScaleSpeed = 0;
    float MinSpin = 0, MaxSpin = 0;  // degrees per tick, either way round
    int FaceMotion = 0;              // 1: the picture turns to its direction of travel
    int LightBlend = 0;
    int Shadow = 0;
    int AnimMs = 0;  // a strip of frames loops over this long
};

// count pieces thrown out from (x, y): sparkle bursts, spark rings (with a radius), blasts.
int EmitBurst(TParticleList& list, float x, float y, int count, const TEffectStyle& style);

// count pieces set off one after another over spreadMs from a band width pixels wide centred on
// (x, y): coin showers, falling snow.
int EmitShower(TParticleList& list, float x, float y, float width, int count, int spreadMs,
               const TEffectStyle& style);

// One picture growing from fromScale to toScale while it fades out over ms: the flash of a blast.
std::shared_ptr<TParticle> EmitRingFlash(TParticleList& list, std::shared_ptr<TGameImage> image, float x,
                                         float y, float fromScale, float toScale, int ms, int lightBlend);

// One picture flying in a straight line to (destX, destY) in ms, calling arrived there and vanishing.
std::shared_ptr<TParticle> EmitFlyTo(TParticleList& list, std::shared_ptr<TGameImage> image, float x, float y,
                                     int destX, int destY, int ms, TParticle::Hook arrived);

// A picture stretched from (x1, y1) to (x2, y2) that fades out over ms: lightning and light beams. The
// picture lies along its width and is handled at its centre.
std::shared_ptr<TParticle> EmitBeam(TParticleList& list, std::shared_ptr<TGameImage> image, float x1,
                                    float y1, float x2, float y2, int ms, int lightBlend);
