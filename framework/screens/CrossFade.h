#pragma once

#include <memory>

#include "framework/sprites/Animation.h"

class TGameImage;

// One picture blending into another over a set time: the first drawn solid, the second over it at the
// animation's ratio.
class TCrossFade {
public:
    std::shared_ptr<TGameImage> Image1, Image2;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    TAnimation Anim;

    static std::shared_ptr<TCrossFade> Create(std::shared_ptr<TGameImage> image1, std::shared_ptr<TGameImage> image2,
                                              int ms);
    int Init(std::shared_ptr<TGameImage> image1, std::shared_ptr<TGameImage> image2, int ms);
    int Manage();
    int Draw();
    int SetImage1Coords(float x, float y);
    int SetImage2Coords(float x, float y);
};
