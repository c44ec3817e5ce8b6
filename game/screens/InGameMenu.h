#pragma once

#include <functional>
#include <memory>

#include "framework/screens/Screen.h"

class TAnimation;
class TGameSound;

// The pause panel of a level: it slides up over the level on Escape or the level's Menu button and offers
// resume, restart, options, instructions and save-and-exit. It is never the current screen: the level
// owns it, runs its Logic every tick and draws it over itself, and reads what Logic returns.
class TInGameMenu : public TScreen {
public:
    static constexpr int kSlideMs = 300;
    // Logic's results.
    static constexpr int kSlidingOut = 0, kOrdinary = 1, kOpened = 2, kClosed = 3;

    int Active = 0;
    int MouseState = 0;  // whether the pointer was on when the panel opened
    std::shared_ptr<TGameSound> ActivateSound, DeactivateSound;
    std::shared_ptr<TAnimation> FadeIn, FadeOut;
    float MenuY = 0;      // the buttons' resting top
    int RestartFlag = 0;  // restart the level once the panel has slid away

    // Where options, instructions and save-and-exit lead; each page returns to the level (save-and-exit
    // leaves it). Unset, the button does nothing.
    std::function<TScreen*()> OptionsDestination, InstructionsDestination, TitleDestination;

    TInGameMenu();

    int Load() override;
    int Logic() override;
    int Draw() override;
    int Kill() override;

    // How far the panel is in: 0 below the screen, 1 in place.
    float GetRatio() const;
    // How far below its place the panel is.
    float GetTopY() const;
    int Hide();
    int SetMenuY();
    int Show(int playSound);

private:
    // Leaves the level for a page that comes back to it, the level kept as it is.
    int VisitPage(TScreen* page);
    int SaveAndExit();
};
