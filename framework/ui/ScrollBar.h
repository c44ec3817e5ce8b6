#pragma once

#include <memory>
#include <string>

class TGameImage;
class TMenu;

// A track with a slider that can be dragged and two arrow buttons, setting a value from 0 to ValueMax. The
// wheel moves it a step a notch. Polled once a tick by its owner.
class TScrollBar {
public:
    int active = 1;
    float alpha = 1;
    std::shared_ptr<TGameImage> Background;
    float BackgroundX = 0, BackgroundY = 0;
    std::shared_ptr<TGameImage> Slider;
    std::shared_ptr<TMenu> Menu;  // the two arrows
    int Vertical = 1;
    int Value = 0;  // ValuePrecise rounded
    double ValuePrecise = 0;
    double ValueStep = 1;  // a click on an arrow, a notch of the wheel
    int Size = 0;          // the track's length in pixels
    double ValueMax = 0;
    int SliderPosition = 0;  // pixels from the track's start
    int SliderSelected = 0;  // being dragged
    int SliderOffset = 0;    // where the slider was taken, within it
    float X = 0, Y = 0;      // the track's start
    std::string UpName = "up", DownName = "down";
    int FixedGlowOnMO = 1;
    float SliderGlow = 0, GlowMax = 0.6f, GlowSpeed = 0.02f;
    float Scale = 1;
    int visible = 1;

    static std::shared_ptr<TScrollBar> Create(std::shared_ptr<TGameImage> slider, int size, double maximum,
                                              float x, float y, int vertical);
    // The arrows at either end can no longer be pressed where the value cannot go further.
    int DisableButtons();
    int Draw();
    int Kill();
    int Manage();
    // Arrow buttons of the menu pictures up and down before and after the track, pressed for ms.
    int SetArrows(const std::string& up, const std::string& down, int ms);
    int SetBackground(std::shared_ptr<TGameImage> image, float x, float y);
    int SetCoords(float x, float y);
    int SetValue(double value);
    int SliderSetPosition(double value);
    int ValueCalc();
    int ValueRound();
    // The track's length less the slider's.
    int FreeLength() const;

private:
    int Step(double by);
    int wheelSeen_ = 0;  // the wheel's total when last looked at
};
