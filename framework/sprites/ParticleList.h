#pragma once

#include <cstdint>
#include <memory>

#include "framework/sprites/LiveList.h"
#include "framework/sprites/Particle.h"

// The particles of one layer of a screen: it owns them and moves, animates, draws and removes them.
class TParticleList : public TLiveList<TParticle, TParticleList, &TParticle::Particles> {
public:
    // A particle made with TParticle::CreateSpecial, added at the front (addFirst 1) or the back.
    std::shared_ptr<TParticle> AddNew(float x, float y, std::shared_ptr<TGameImage> image, float dx, float dy,
                                      float ygravity, float fadeMs, int lightBlend, int rotate,
                                      float rotationSpeed, float scale, float scaleSpeed, int lifeMs,
                                      int addFirst);
    // Pictures in a row share the drawing state: only what differs is handed to the drawing layer.
    int Draw();
    int Move();
    // The frame animations of the particles that are not waiting out a delay.
    int Animate();
    // Per tick: move every particle, then run the animations of those not delayed (a particle that
    // dies with its animation goes).
    int Manage();
    // A fade-out of ms for every particle.
    int FadeAll(int ms);
    int SetUseAlpha(int value);
    int SetBaseScale(float sx, float sy);
    // From now on the particles move their stored positions; the list is placed with ScaleCoords or
    // ProcessScale (a zooming screen).
    int EnableUpdateOriginalCoords();
    int ScaleCoords();
    int AddOffsets(float dx, float dy);
    int ProcessScale(float sx, float sy, float ox, float oy);
    // Registers the picture of every particle on show (not hidden, not invisible) where it is drawn, on
    // the collision layers of the mask, for the drawing layer's image collision test; each stands for its
    // particle there. 1 when any was registered.
    int Collide(uint32_t layers = 1);
};
