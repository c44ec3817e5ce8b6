#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "framework/screens/Screen.h"

class TDialogTextInput;
class TDialogYesNo;
class TGameImage;
class TLabel;
class TPlayerManager;

// The hub the game starts on and comes back to: a night churchyard that never quite keeps still (clouds
// drifting, a hand swinging from a grave, a swaying tree, a crow, lightning, red eyes in the bushes),
// the current player greeted by name, and Play, Change Player, Options and Exit. A first start asks for
// a name. H leads to the instructions; Escape asks before quitting.
class TTitleScreen : public TScreen {
public:
    static constexpr float CLOUD_SPEED = 0.1f;

    float cloudsX = 0;
    std::string CurrentName;  // the player's name while the player list is open
    std::shared_ptr<TDialogTextInput> EnterName;
    std::shared_ptr<TDialogYesNo> ExitDialog;
    std::shared_ptr<TPlayerManager> PlayerManager;
    std::shared_ptr<TLabel> Welcome;
    float WelcomeFontScale = 1.2f;
    std::shared_ptr<TGameImage> BackgroundImage, CloudsImage, ForegroundImage, hand, lightning, eyesBlink,
        trTree;
    std::shared_ptr<TGameImage> crowRight, crowLeft, crowBlink, crowCaw, logo;
    // Seconds: the hand's swing runs on; the others are how long a look lasts, or till the next draw.
    float handTimer = 0, handAngle = 0, treeAngle = 0;
    float creakTimer = 0, windTimer = 0;  // logic ticks
    float crowBlinkTimer = 0, crowLookTimer = 0, crowCawTimer = 0, lightningTimer = 0, redEyeBlinkTimer = 0;
    int crowChance = 4000, lightningChance = 5000;
    int lightningX = 0, lightningFlip = 0;

    // Where the screen leads. A new player's Play goes to the intro (the map while there is none); the
    // options and the instructions are offered only when they are set.
    std::function<TScreen*()> IntroDestination, MapDestination, OptionsDestination, InstructionsDestination;

    TTitleScreen();

    int Load() override;
    int Start() override;
    int PostFadeIn() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;

    int Close();
    int CreateLightning(int first);
    int DrawWelcome();
    int LoadSpecial();
    int ManageAnimations();
    int ManageDialogs();
    int PromptForName();
    int RestartMusicTest() const;
    int SetupPrompt();
    int SetupWelcome();
    int ShowPlayerManager();
    int StartClose();
    // Play: the purchases the player's progress calls for, then the intro or the map.
    int Play();

private:
    // The scene's pictures with their files in "TitleScreen/".
    std::array<std::pair<std::shared_ptr<TGameImage>*, const char*>, 12> Layers();
    // The random draws of the crow, the eyes and the lightning, made sixty times a second.
    void Draws();
    void DrawScene();

    float drawClock_ = 0;  // seconds since the last draws
    int firstStrike_ = 0;  // the next strike is the first since the fade-in
};

// The one title screen.
extern std::shared_ptr<TTitleScreen> TitleScreen;
