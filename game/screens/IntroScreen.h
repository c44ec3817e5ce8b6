#pragma once

#include <array>
#include <memory>

#include "framework/screens/Screen.h"

class TAnimation;
class TCrossFade;
class TGameImage;
class TGameSound;

// The story's opening before the first level: the village at night drifting past in layers while the
// newspaper spins in with the advertisement, then the glowing crypt appears. A click, Enter or Space skips
// it; at its end it fades slowly to its destination (the level map).
class TIntroScreen : public TScreen {
public:
    static constexpr int kLayers = 4;  // far hills to near trees
    // The timeline's phases: sky, newspaper spinning in, read, read on, the village pans to the crypt,
    // a breath, and the slow fade out.
    static constexpr std::array<int, 7> kPhaseMs = {1000, 2000, 2500, 2700, 7000, 100, 10000};
    static constexpr int kFadeOutPhase = 6;

    std::shared_ptr<TAnimation> Anim;
    std::shared_ptr<TGameSound> ClickSound;
    std::shared_ptr<TCrossFade> CrossFade;  // the crypt appearing
    std::shared_ptr<TGameImage> Newspaper;
    std::array<std::shared_ptr<TGameImage>, kLayers> Layers;
    std::array<int, kLayers> LayersBaseX{}, LayersBaseY{}, LayersTravelX{}, LayersTravelY{};
    std::array<float, kLayers> LayersBaseScale{}, LayersTravelScale{};
    int Leaving = 0;

    TIntroScreen();

    int Load() override;
    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;

    // How far the village has drifted, 0 … 1, eased, over the phases before the fade.
    float PanRatio() const;
    // Milliseconds into the timeline.
    float ElapsedMs() const;
    // Where layer i is drawn now, and at what scale.
    float LayerX(int i) const;
    float LayerY(int i) const;
    float LayerScale(int i) const;
    // Leaves for the destination with a fade of ms.
    int Leave(int ms);

private:
    void DrawNewspaper() const;
};

extern std::shared_ptr<TIntroScreen> IntroScreen;
