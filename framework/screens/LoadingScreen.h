#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "framework/screens/Screen.h"

class TButton;
class TGameImage;
class TGameSound;

// The progress of start-up loading: a number of steps, advanced one at a time, drawn as a bar that grows
// from the left.
class TLoadingBar {
public:
    // 0: a filled rectangle with a border; 1: EmptyImage under a growing part of Image; 2: only the
    // growing part of Image.
    int Mode = 0;
    std::shared_ptr<TGameImage> Image, EmptyImage, FinalImage;
    int x = 0, y = 0, w = 0, h = 0;
    float Position = 0;  // filled width in pixels
    float Steps = 0;
    float StepSize = 0;  // w / Steps
    int CurrentStep = 0;
    int Finished = 0;
    int BgR = 50, BgG = 50, BgB = 50;
    int BorderR = 0, BorderG = 0, BorderB = 0;
    int DrawEmptyUnderFinal = 0;

    // The pictures (empty and final may be null), drawn by their top-left corners; the size is image's.
    int Init(std::shared_ptr<TGameImage> image, std::shared_ptr<TGameImage> empty,
             std::shared_ptr<TGameImage> final);
    // Centred across the virtual screen, top at y.
    int Centre(int top);
    int SetSteps(int n);
    int SetBackgroundColour(int r, int g, int b);
    int SetBorderColour(int r, int g, int b);
    // One step. Steps beyond the last keep the bar full rather than drawing past the picture.
    int Progress();
    int Draw();
};

// The screen shown while the shared resources load, drawn by each step of the loading outside the main
// loop; once the bar is full it becomes the main loop's first screen and waits for a click (on its
// continue button or anywhere) to fade out to Destination.
class TLoadingScreen : public TScreen {
public:
    TLoadingBar LoadingBar;
    std::shared_ptr<TButton> ClickHereButton;
    int Finished = 0;
    std::shared_ptr<TGameImage> LoadingTextImage;  // the "loading" picture, drawn by its middle
    int LoadingX = 0, LoadingY = 0;
    int DrawLoadingTextImage2 = 0;
    std::shared_ptr<TGameImage> LoadingTextImage2;
    std::function<int()> CustomDrawFunction, CustomKillFunction;
    // 1: Escape is the framework's (it ends the program); 0: Escape continues like the button.
    int EscapeCloses = 1;
    int FadeMusic = 0;  // the fade out to the next screen takes the music with it
    // When a step of the loading was last shown (milliseconds); the steps are shown at most this often.
    std::optional<uint32_t> ShownAt;
    static constexpr uint32_t kShowEveryMs = 16;

    // The background, the bar (with its optional "empty." and "final." pictures beside it) and the
    // "loading" picture, all from the image folder; silences the music. Missing required pictures are
    // fatal.
    int SpecialLoad(const std::string& background, const std::string& bar, const std::string& loadingText);
    int SetSteps(int n);
    // The continue button from the image folder (file, file + mouse-over), centred across the screen at y.
    int SetClickHereButton(const std::string& image, const std::string& mouseOverImage,
                           std::shared_ptr<TGameSound> clickSound, std::shared_ptr<TGameSound> mouseOverSound,
                           int top);
    // The "loading" picture. With full set the screen is cleared first and shown at once, and the picture
    // is left out while the music is off.
    int DrawLoading(int full);
    int Progress();

    int Kill() override;
    int Logic() override;
    int Draw() override;
    int Start() override;
};
