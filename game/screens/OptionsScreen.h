#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/screens/Screen.h"
#include "platform/Audio.h"

class TBitmapFont;
class TCheckBox;
class TGameSound;
class TSlider;

// The options: the music and sound volumes on two sliders (the music follows the dot at once, a click
// sounds at the new sound volume as the other dot moves), and check boxes for full screen, the tutorial
// tips and the game's own mouse pointer. OK (or Escape) writes the settings and the profile and goes back
// to the screen that opened it; Credits leads to the credits.
class TOptionsScreen : public TScreen {
public:
    static constexpr int CENTRE_OFFSET_X = -11, CHECK_BOX_X = 592, CHECK_BOX_Y = 398;
    static constexpr int SLIDER_Y = 220, SLIDER_GAP = 95, SLIDER_WIDTH = 284;

    platform::ChannelId ChannelClick = 0;
    std::shared_ptr<TBitmapFont> OptionsFont;
    std::shared_ptr<TSlider> MusicSlider, SoundSlider;
    std::shared_ptr<TCheckBox> FullScreenCheckBox, TipsCheckBox, CustomCursorCheckBox;

    // Where OK leads; unset or null, back to the screen the options were opened from (or out of the game
    // when there was none).
    std::function<TScreen*()> ReturnDestination;
    // The credits screen; while unset the options offer no Credits button.
    std::function<TScreen*()> CreditsDestination;

    TOptionsScreen();

    int Load() override;
    int Start() override;
    int Logic() override;
    int Draw() override;
    int Kill() override;
    int SetEscDestination() override;

    // The slider's click, at the sound volume now set.
    int ClickSound();
    // Writes the settings and the profile and leaves for Destination.
    int Close();
    // The next check box down, ticked when on, with the text key of its label.
    std::shared_ptr<TCheckBox> LoadToggle(int on, const std::string& name);

private:
    void ManageSliders();
    void ManageToggles();
    void DrawLabels();
    std::shared_ptr<TGameSound> click_;
    std::vector<std::pair<std::shared_ptr<TCheckBox>, std::string>> toggles_;
    bool volumesUnsaved_ = false;
};

// The one options screen.
extern std::shared_ptr<TOptionsScreen> OptionsScreen;
