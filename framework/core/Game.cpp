#include "framework/core/Game.h"

#include <algorithm>

#include "framework/core/ChannelArray.h"
#include "framework/core/GameChannel.h"
#include "framework/core/GameSound.h"
#include "framework/core/Globals.h"
#include "framework/core/Random.h"
#include "framework/gfx/GameImage.h"
#include "framework/profile/HighScoreList.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/LoadingScreen.h"
#include "framework/screens/Screen.h"
#include "framework/ui/MousePointer.h"

TGame::TGame(platform::Platform& platform)
    : FixedRateLogic(platform.GetClock()),
      LogicTime(platform.GetClock()),
      DrawTime(platform.GetClock()),
      CodeTime(platform.GetClock()),
      FPS(platform.GetClock()),
      Mouse(std::make_unique<TMousePointer>()),
      GameFade(std::make_unique<TGameFade>()),
      ExitScreen(std::make_unique<TExitScreen>()),
      LoadingScreen(std::make_unique<TLoadingScreen>()),
      HighScores(std::make_unique<THighScoreList>()),
      platform_(platform) {
    FixedRateLogic.Label = "Ticks   ";
    LogicTime.Label = "Logic   ";
    DrawTime.Label = "Draw    ";
    CodeTime.Label = "Code    ";
    FPS.Label = "FPS     ";
    SetDefaultPaths();
}

TGame::~TGame() = default;

// StartupStage names the step reached, so that an error names the step that failed: 1, 1001 to 1004 for
// the shared folder and the settings, 3 to 7 for the timing, sound driver, timer and channels, 8 to 8004
// for the profile folder, 2 once the folders and settings are all in place, 9 when done.
int TGame::Init(int driverChoice, int /*flag*/) {
    StartupStage = 1;
    SeedRandom(FixedSeed.value_or(platform_.GetClock().Millisecs()));
    StartupStage = 1001;
    SettingsStartUp();
    StartupStage = 3;
    SetFlipSync();
    StartupStage = 4;
    static const char* const kDrivers[] = {"FreeAudio", "DirectSound", "OpenAL Generic Software"};
    if (driverChoice >= 1 && driverChoice <= 3) {
        ChangeSoundDriver(kDrivers[driverChoice - 1], 0);
    } else {
        ChangeSoundDriver(SoundDriver == "None" ? "FreeAudio" : SoundDriver, 0);
    }
    StartupStage = 5;
    OSVersion = platform_.GetSystem().OSVersion();
    if (OSVersion != "Windows XP") {
        StartupStage = 5001;
        SoundDriver = "OpenAL Generic Software";
        StartupStage = 5002;
        ChangeSoundDriver(SoundDriver, 0);
    }
    StartupStage = 6;
    FixedRateLogic.Create();
    platform::Audio& audio = platform_.GetAudio();
    StartupStage = 6001;
    MusicChannel = audio.AllocChannel();
    StartupStage = 6002;
    SpeechChannel = audio.AllocChannel();
    StartupStage = 7;
    EscapeChannel = audio.AllocChannel();
    StartupStage = 8;
    ProfileFolderStartUp();
    // The folders and the settings are all in place; then Init is done.
    StartupStage = 2;
    StartupStage = 9;
    return 1;
}

int TGame::FastOn() {
    Fast = 1;
    LastFlipSync = FlipSync;
    FlipSync = 0;
    FixedRateLogic.Init();
    FixedRateLogic.HistoryClear();
    return 1;
}

int TGame::FastOff() {
    if (Fast != 1) return 0;
    Fast = 0;
    FlipSync = LastFlipSync;
    FixedRateLogic.Init();
    FixedRateLogic.HistoryClear();
    return 1;
}

int TGame::SlowMotionOn() {
    SlowMotion = 1;
    CurrentSpeed = SlowMotionSpeed;
    FixedRateLogic.Framerate = SlowMotionSpeed * FixedRateLogic.FramerateDefault;
    FixedRateLogic.CalcMS();
    FixedRateLogic.Init();
    return 1;
}

int TGame::SlowMotionOff() {
    SlowMotion = 0;
    CurrentSpeed = 1.0f;
    FixedRateLogic.Framerate = static_cast<float>(FixedRateLogic.FramerateDefault);
    FixedRateLogic.CalcMS();
    FixedRateLogic.Init();
    return 1;
}

int TGame::SetFlipSync() {
    FlipSync = VSync != 0 ? 1 : 0;
    return 1;
}

int TGame::Fading() const {
    return GameFade->Active;
}

int TGame::FadeOff() {
    NoFade = 1;
    return 1;
}

int TGame::SetGP(int x, int y) {
    gpX = x;
    gpY = y;
    return 1;
}

int TGame::ParticlesSet(int value, int save) {
    Particles = std::clamp(value, 0, 100);
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic.Init();
    }
    return 1;
}

int TGame::ParticlesChange(int step) {
    return ParticlesSet(Particles + step, 1);
}

float TGame::CalcAnimLength(int ms) const {
    return CalcAnimLengthFromFloat(static_cast<float>(ms));
}

float TGame::CalcAnimLengthFromFloat(float ms) const {
    return ms / FixedRateLogic.MS / CurrentSpeed;
}

int TGame::CalcMilliSecsFromFrames(float frames, int useSpeed) const {
    return static_cast<int>(frames * FixedRateLogic.MS * (useSpeed == 1 ? CurrentSpeed : 1.0f));
}

int TGame::Kill() {
    platform::Audio& audio = platform_.GetAudio();
    for (platform::ChannelId* channel : {&MusicChannel, &SpeechChannel, &EscapeChannel}) {
        ReleaseChannel(audio, *channel);
        *channel = 0;
    }
    ChannelsKill();
    return 1;
}
