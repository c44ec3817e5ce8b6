#include "framework/screens/SplashScreen.h"

#include <vector>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/core/Messages.h"
#include "framework/core/Strings.h"
#include "framework/gfx/GameImage.h"
#include "platform/files/Files.h"

int TSplashScreen::Init(const std::string& image, const std::string& sound, int playSound, int fadeSound,
                        float timeIn, float timeFull, float timeOut) {
    Image = TGameImage::Create(image, kDefaultImageFlags, 0);
    if (!sound.empty()) {
        std::string error;
        Sample =
            Game->GetPlatform().GetAudio().LoadSample(platform::files::Resolve(sound), fadeSound == 1, error);
    }
    InitTimes(timeIn, timeFull, timeOut);
    Sound = playSound;
    FadeSound = fadeSound;
    FlushKeysAndMouse();
    OriginalPolledInputState = SystemInputMode;
    SystemInputMode = 1;
    return 1;
}

int TSplashScreen::InitTimes(float timeIn, float timeFull, float timeOut) {
    if (timeIn != 0) TimeIn = timeIn;
    if (timeFull != 0) TimeFull = timeFull;
    if (timeOut != 0) TimeOut = timeOut;
    return 1;
}

int TSplashScreen::DoSplash() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    platform::Audio& audio = Game->GetPlatform().GetAudio();
    if (Game->ClsColor) graphics.SetClsColor(Game->ClsColor->r, Game->ClsColor->g, Game->ClsColor->b);
    graphics.Cls();
    graphics.Flip(FlipSync);
    if (Sound && Sample) {
        Channel = audio.Cue(Sample, 0);
        if (FadeSound == 1) {
            audio.SetRate(Channel, SampleRate);
            audio.SetVolume(Channel, 0);
        }
        audio.Play(Channel);
    }
    if (background) {
        fade.Background = background;
        fade.BackgroundXSpeed = BackgroundXSpeed;
        fade.BackgroundYSpeed = BackgroundYSpeed;
        fade.BackgroundZoomSpeed = BackgroundZoomSpeed;
        fade.BackgroundFadeTime = BackgroundFadeTime;
    }
    fade.Init(TimeIn, Image, FadeSound == 1 ? Channel : 0);
    fade.CentreImage();
    int result = fade.FadeDo(0);
    if (result != -1) result = fade.WaitForTime(TimeFull);
    if (result != -1) {
        fade.Reset();
        fade.Length = TimeOut;
        result = fade.FadeDo(1);
    }
    if (result != -1) fade.Zero();
    CleanUp();
    return result == -1 ? -1 : 0;
}

int TSplashScreen::CleanUp() {
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    if (Channel) {
        Game->GetPlatform().GetAudio().Stop(Channel);
        Game->GetPlatform().GetAudio().FreeChannel(Channel);
        Channel = 0;
    }
    graphics.SetBlend(platform::BlendMode::Solid);
    graphics.SetAlpha(1);
    graphics.SetColor(255, 255, 255);
    FlushKeysAndMouse();
    if (!OriginalPolledInputState) SystemInputMode = 0;
    return 1;
}

namespace {

constexpr float kBrandingMs = 750;
// The maker's splash: 1750 ms in, 750 ms held, 1500 ms out, its jingle looping at rate 0.9.
constexpr float kMakerIn = 1750, kMakerFull = 750, kMakerOut = 1500;
constexpr float kMakerSoundRate = 0.9f;

}  // namespace

int RunStartupSplashes() {
    const std::string folder = platform::files::Resolve(Game->DataFolder + "branding/");
    std::vector<std::string> names;
    std::string error;
    if (!platform::files::ListFolder(folder, names, error)) {
        Message("Failed to read splash folder '" + folder + "'", 1, 1);
    }
    for (int i = 1;; ++i) {
        std::string found;
        for (const std::string& name : names) {
            const std::string upper = UpperCase(name);
            const std::string stem = "SPLASH" + std::to_string(i);
            if (upper == stem + ".PNG" || upper == stem + ".JPG") {
                found = name;
                break;
            }
        }
        if (found.empty()) break;
        TSplashScreen splash;
        splash.Init(folder + found, "", 0, 0, kBrandingMs, kBrandingMs, kBrandingMs);
        splash.DoSplash();
    }
    if (Game->Fade) {
        TSplashScreen splash;
        splash.SampleRate = kMakerSoundRate;
        splash.Init(Game->DataFolder + "Tarnfield.png", Game->DataFolder + "splashsound.wav", Game->Sound, 1,
                    kMakerIn, kMakerFull, kMakerOut);
        splash.DoSplash();
    }
    return 1;
}
