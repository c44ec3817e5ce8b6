#pragma once

#include <memory>
#include <string>

#include "framework/sprites/Sprite.h"

// A horizontal bar with a dot that sets a value from 0 to 100 (the volumes). The bar is the sprite's
// picture and place; a press over the bar, or a little beyond it, puts the dot under the pointer, and the
// dot follows the pointer for as long as the button is held, even off the bar. Polled once a tick by its
// owner. The sprite's MouseOver says whether the pointer is over it.
class TSlider : public TSprite {
public:
    // The pointer counts as over the bar this far beyond either end.
    static constexpr int kReachX = 10;
    // Each arrow key moves the value this far while the keyboard's focus is on the slider.
    static constexpr int kKeyStep = 10;

    std::shared_ptr<TGameImage> DotImage;
    int DotX = 0, DotY = 0;  // where the dot's top-left corner is drawn
    int Value = 50;          // 0 … 100
    int Border = 0;          // pixels at each end of the bar that the dot's centre does not enter
    int BorderY = 0;         // pixels above and below the bar that still count as over it

    ~TSlider() override;

    // The bar and the dot from folder (each file given without ".png" takes it), the bar's top-left corner
    // at x, y, the value 50, active.
    static std::shared_ptr<TSlider> CreateSpecial(const std::string& barFile, const std::string& dotFile,
                                                  float x, float y, int border, const std::string& folder,
                                                  int borderY);
    int Load(const std::string& barFile, const std::string& dotFile, const std::string& folder);
    // Two picture paths: the bar handled at its corner, the dot at its middle.
    int LoadImages(const std::string& barPath, const std::string& dotPath);
    // Clamped to 0 … 100; the dot moves to match.
    int SetValue(int value);
    // 1 on every tick that the pointer sets the value.
    int Manage();
    int Draw() override;
    int Init() override;
    int Kill() override;
    // The value a pointer at mouseX gives, held at 0 and 100 beyond the borders.
    int ValueAt(int mouseX) const;

private:
    // The one slider that follows a held button: a drag that starts on one bar never moves another.
    static TSlider* dragged_;
};
