#pragma once

#include <memory>

#include "framework/screens/Screen.h"

class TBitmapFont;
class TScrollingText;

// Who made the game, and the free fonts and libraries it is built on with their licences, rolling up the
// screen. OK or Escape returns to the screen that opened it; after the ending the way out is slower.
class TCreditsScreen : public TScreen {
public:
    static constexpr float kTop = 130, kBottom = 690, kSpeed = 0.25f;

    std::shared_ptr<TScrollingText> credits;
    std::shared_ptr<TBitmapFont> creditsFont;
    int FromEnding = 0;
    int Leaving = 0;

    TCreditsScreen();

    int Load() override;
    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;

    // The fade out to the destination: three times the usual after the ending.
    int LeaveFadeMs() const;
};

extern std::shared_ptr<TCreditsScreen> CreditsScreen;
