#pragma once

#include <functional>
#include <memory>

#include "framework/screens/Screen.h"

class TAnimation;
class TGameImage;
class TGameSound;
class TLabel;

// The ending after the hundredth level: the crypt's dark fades in over the dawn and away again as the
// sun comes up (with a shriek from the ghost who overslept), and the last page of the story fades in. OK
// or Escape leads to the credits.
class TGameFinishedScreen : public TScreen {
public:
    static constexpr int CHARACTER_X = 0, CHARACTER_Y = 0, MESSAGE_X = 0, MESSAGE_Y = 165, MESSAGE_WIDTH = 700;
    static constexpr int kCharacterInMs = 1500, kDelayMs = 2500, kDawnMs = 3000, kMessageMs = 2000;

    std::shared_ptr<TGameSound> HOHOSound;
    int PageWidth = 1024;
    std::shared_ptr<TGameImage> Character;
    // The crypt fades in, the delay holds it, then the dawn takes over while the message fades in.
    std::shared_ptr<TAnimation> CharacterFade, DelayTimer, MessageFade, DawnFade;
    std::shared_ptr<TLabel> MessageLabel;
    int Leaving = 0;

    // The credits screen that follows, and where the credits lead after the ending.
    std::function<TScreen*()> CreditsDestination, AfterCreditsDestination;

    TGameFinishedScreen();

    int Load() override;
    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;

    // How much of the crypt shows, and of the message.
    float CharacterAlpha() const;
    float MessageAlpha() const;
};

extern std::shared_ptr<TGameFinishedScreen> GameFinishedScreen;
