#include "framework/screens/CrossFade.h"

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/gfx/GameImage.h"

std::shared_ptr<TCrossFade> TCrossFade::Create(std::shared_ptr<TGameImage> image1,
                                               std::shared_ptr<TGameImage> image2, int ms) {
    auto fade = std::make_shared<TCrossFade>();
    fade->Init(std::move(image1), std::move(image2), ms);
    return fade;
}

int TCrossFade::Init(std::shared_ptr<TGameImage> image1, std::shared_ptr<TGameImage> image2, int ms) {
    Image1 = std::move(image1);
    Image2 = std::move(image2);
    // Counting up from nothing and staying at the end, so the second picture ends fully shown.
    Anim.Init(ms, 1, 1, 0, 0);
    Anim.Start();
    return 1;
}

int TCrossFade::Manage() {
    return Anim.Manage();
}

int TCrossFade::Draw() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (Image1) {
        graphics.SetBlend(platform::BlendMode::Solid);
        Image1->Draw(X1, Y1, 0);
    }
    if (Image2) {
        graphics.SetBlend(platform::BlendMode::Alpha);
        graphics.SetAlpha(Anim.GetRatio());
        Image2->Draw(X2, Y2, 0);
    }
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetAlpha(1.0f);
    return 1;
}

int TCrossFade::SetImage1Coords(float x, float y) {
    X1 = x;
    Y1 = y;
    return 1;
}

int TCrossFade::SetImage2Coords(float x, float y) {
    X2 = x;
    Y2 = y;
    return 1;
}
