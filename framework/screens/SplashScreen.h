#pragma once

#include <memory>
#include <string>

#include "framework/screens/Fade.h"
#include "platform/Audio.h"

// One splash picture with its optional sound, faded in, held and faded out before the game loads.
class TSplashScreen {
public:
    std::shared_ptr<TGameImage> Image;
    platform::SamplePtr Sample;
    int Sound = 1;
    float SampleRate = 1.0f;
    int FadeSound = 0;  // the sound loops and its volume follows the picture's fade
    platform::ChannelId Channel = 0;
    TFade fade;
    float TimeIn = 2000, TimeFull = 1000, TimeOut = 2000;
    int OriginalPolledInputState = 0;
    std::shared_ptr<TGameImage> background;
    float BackgroundXSpeed = 0, BackgroundYSpeed = 0, BackgroundZoomSpeed = 0, BackgroundFadeTime = 0;

    // A missing picture is fatal ("Error loading bitmap " + path); a missing sound leaves it silent.
    int Init(const std::string& image, const std::string& sound, int playSound, int fadeSound, float timeIn,
             float timeFull, float timeOut);
    int InitTimes(float timeIn, float timeFull, float timeOut);
    // 0 shown, -1 skipped.
    int DoSplash();
    int CleanUp();
};

// The splash pictures of start-up: the branding pictures of the data folder's "branding/" folder
// ("splash1", "splash2", … as .png or .jpg, until one is missing), then the maker's splash when fades are
// on. An unreadable branding folder is fatal.
int RunStartupSplashes();
