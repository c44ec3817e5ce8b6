#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/FixedRateLogic.h"
#include "framework/core/Globals.h"
#include "framework/core/IniFile.h"
#include "framework/core/TrackingVar.h"
#include "framework/sprites/Color.h"
#include "platform/Platform.h"

class TChannelArray;
class TDialog;
class TGameFade;
class TGameImage;
class TGameSound;
class THighScoreList;
class TLoadingScreen;
class TMousePointer;
class TProfile;
class TScreen;

// The one game object: settings, display and audio state, the screens, the loop. Its operations are
// spread over several source files by subject (Game*.cpp).
class TGame {
public:
    using Hook = std::function<int()>;

    explicit TGame(platform::Platform& platform);
    virtual ~TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    platform::Platform& GetPlatform() { return platform_; }

    // ---- Start-up and loop ----------------------------------------------------------------------
    TIniFile Ini;
    std::string VersionNumber = AppVersion;
    int FullScreen = 1;
    int Fast = 0;
    int LastFlipSync = 0;
    int SlowMotion = 0;
    float SlowMotionSpeed = 0.25f;
    float CurrentSpeed = 1.0f;
    uint64_t WindowHandle = 0;
    int WindowX = 0, WindowY = 0, ClientX = 0, ClientY = 0;
    TScreen* CurrentTScreen = nullptr;
    TScreen* DestinationTScreen = nullptr;
    TScreen* LastTScreen = nullptr;
    int VSync = 1;
    int FadeOnExit = 1;
    int NoTiming = 0;
    int NoTimingTicks = 1;
    int Driver = 0, DriverDX7 = 0, DriverDX9 = 0, AlwaysForceDX7 = 0;
    int FadeMouse = 0;
    std::shared_ptr<TColor> ClsColor;
    int CustomMousePointer = 1;
    int FullScreenProcess = 0, FullScreenThread = 0, WindowedProcess = 0, WindowedThread = 0;
    int Sound = 1, Music = 1, Speech = 1;
    int FadeMusic = 1;
    int FirstTime = 1;
    int InstantExit = 0;
    // Our addition: set once a close request has been accepted. From then on the exit screen is the
    // destination of every screen switch, whatever a screen names, so that no later switch undoes it.
    int ExitRequested = 0;
    int Fade = 1;
    int NoFade = 0;
    int NoDraw = 0;
    int Particles = 80;
    int Paused = 0;
    int DimWhenPaused = 1;
    int PauseOnLossOfFocus = 0;
    int PauseOnLossOfFullScreenFocus = 0;
    int PausedMusicState = 1, PausedSpeechState = 1;
    int Suspended = 0;
    int SuspendOnLossOfFocus = 1;
    int BlockKeys = 0;
    int MaxLevels = 10;
    int TerminatedEvent = 0;
    Hook TerminatedUserFunction;
    Hook UserExitKeyFunction;
    int SuspendedEvent = 0;
    int IgnoreEscapeKey = 0, IgnoreFrameworkKeys = 0, IgnorePauseKey = 0, IgnoreDebugKey = 0;
    Hook PausedUserFunction, UnPauseUserFunction, UserSuspendFunction, UserResumeFunction;
    TFixedRateLogic FixedRateLogic;
    int Debug = 0;
    // Draws one line of the debug display (text, x, y, shadow); the font code installs it.
    std::function<void(const std::string&, int, int, int)> DebugFont;
    int DebugImageFontGap = 12;
    int DebugShadow = 1;
    int DebugShowFPSOnly = 0;
    float DebugPanel = 0.4f;
    int Debug1 = 0, Debug2 = 0;
    float Debug3 = 0, Debug4 = 0;
    int DebugDisplayX = 0, DebugDisplayY = 0;
    TDebugVar LogicTime, DrawTime, CodeTime;
    TFPSCounter FPS;
    int GraphicPlacement = 0, gpX = 0, gpY = 0;
    int storedX = -1, storedY = -1;
    // Our addition: a fixed seed for every random generator (--seed), so a run can be replayed.
    std::optional<uint32_t> FixedSeed;

    // ---- Settings file and exit guard ----------------------------------------------------------
    int WideScreen = 0;
    int BorderlessWindow = 0;
    int SoundVolume = 100, MusicVolume = 100, SpeechVolume = 100;
    int screenShake = 100;
    int PortalSplash = 0, PortalSplash2 = 0;
    int IntroShow = 0;
    std::string SoundDriver = "FreeAudio";
    std::string ProfileName;
    int Region = 0, SubRegion = 0;
    int UseCorrectPath = 1;
    int CorrectPathID = 35;
    std::string SubPath;
    std::string DataPrefix;
    // Our addition: the data folder itself, ending in "/" (DataPrefix + "Data/" unless the program was
    // told another folder). The data paths below and the shipped files are found in it.
    std::string DataFolder = "Data/";
    std::string ImagePath, SoundPath, MusicPath, SpeechPath, MenuPath, TextPath, LevelsPath, FontPath,
        ProfilePath;
    int DataInAppBundle = 0;
    int UseWindowedModeAfterCrash = 1;
    // The program file's name, which names the settings file ("murkwell.ini").
    std::string ProgramName;
    std::string OSVersion;

    // ---- Start-up and loop: operations ---------------------------------------------------------
    // driverChoice 1, 2, 3 picks a sound driver by number; 0 or less takes the setting.
    int Init(int driverChoice, int flag);
    int FastOn();
    int FastOff();
    int SlowMotionOn();
    int SlowMotionOff();
    int SetFlipSync();
    int Fading() const;
    int FadeOff();
    int MainLogicLoop();
    int LogicWrapper();
    int ScreenDraw();
    int PostDraw();
    int DebugReset();
    int DebugPrint();
    std::vector<std::string> DebugLines() const;
    int SetGP(int x, int y);
    int ParticlesSet(int value, int save);
    int ParticlesChange(int step);
    float CalcAnimLength(int ms) const;
    float CalcAnimLengthFromFloat(float ms) const;
    int CalcMilliSecsFromFrames(float frames, int useSpeed) const;
    int Kill();

    // ---- Settings file and exit guard: operations ----------------------------------------------
    int IniFill();
    int IniExtract();
    int IniUpdate(int mark);
    int IniUpdateAttempt(int mark, std::string& error);
    static int MakeGoodExit();
    int MakeGoodExitAttempt(std::string& error);
    int CheckGoodExit();
    int CheckGoodExitAttempt(std::string& error);
    int SetDefaultPaths();
    int SetSubPath(const std::string& path, int flag);
    int SetSubPathWrapper(const std::string& path, int flag);
    int ApplySubPath();
    int SetImagePath(const std::string& path);
    int SetSoundPath(const std::string& path);
    int SetMusicPath(const std::string& path);
    int SetSpeechPath(const std::string& path);
    int SetMenuPath(const std::string& path);
    int SetProfilePath(const std::string& path);
    int SetTextPath(const std::string& path);
    int SetLevelsPath(const std::string& path);
    int SetFontPath(const std::string& path);

    // ---- Display modes and virtual resolution (DisplayOpen, VirtualResolution, DisplayToggles,
    //      MouseMapping and ScreenShake.cpp) ----------------------------------------------------------
    std::string WindowTitle;  // set by the program's entry before the display opens
    int ForceWindowedMode = 0;
    int UseDesktopResolution = 0;
    int DrawWidescreenBorders = 0;
    std::shared_ptr<TGameImage> LeftBorderImage, RightBorderImage;
    int WindowedAspectRatio = 0;
    int Hertz = 60;
    int Depth = 0;
    int DesktopRefreshRate = 0;
    int GameRefreshRate = 0;
    std::string DirectXVersion;
    int DesktopWidth = 0, DesktopHeight = 0;
    int WindowWidth = 0, WindowHeight = 0;
    float VirtualRatioX = 1.0f, VirtualRatioY = 1.0f;
    float VR_virtualratio = 0, VR_graphicsratio = 0;
    int VR_viewportx = 0, VR_viewporty = 0, VR_viewportw = 0, VR_viewporth = 0;
    float VR_originx = 0, VR_originy = 0;
    int UsingVirtualResolution = 0;
    float vxOff = 0, vyOff = 0;
    float screenShakeRange = 0, screenShakeDelta = 0, screenShakeCounter = 0;
    int screenshake_viewportx = 0, screenshake_viewporty = 0, screenshake_viewportw = 0,
        screenshake_viewporth = 0;

    int GraphicsCreate(int forceDX7);
    int CLSAllBuffers();
    int DisableVirtualResolution();
    int DoSetVirtualResolution(int clear);
    int ResetVRViewport();
    int OffsetOrigin(int x, int y);
    int RestoreOrigin();
    int ClearScreenshake();
    int SetScreenShake(float range, float delta, float ticks);
    int DoScreenShake();
    int ScreenShakeSetIniValue(int percent, int save);
    int RestoreVRViewPort();
    int NeedsCLSWidescreen() const;
    int CLSWidescreen();
    int SetDXDriver(int forceDX7);
    int DoMoveMouse(int x, int y);
    uint64_t GetActiveWindowSafe();
    int SetLeftBorderImage(const std::string& file);
    int SetRightBorderImage(const std::string& file);
    int ToggleCustomMousePointer();
    int ToggleBorderless();
    int ToggleFullScreen();
    int ToggleWideScreen();
    int ToggleVSync();
    int SetDriver(int driver);
    int SetWindowCoords();
    int SetClientCoords();
    int DoDrawWidescreenBorders();
    int RestoreMouseCoords();
    // A point of the window in virtual-screen pixels, as the mouse events are mapped, and back again (as
    // the system mouse is moved).
    void WindowToVirtual(int wx, int wy, int& vx, int& vy) const;
    void VirtualToWindow(int vx, int vy, int& wx, int& wy) const;
    // Whether the window has moved since SetWindowCoords (the timer restarts after a drag).
    bool WindowDragged();
    // Whether an installed DirectX version ("9.0c", "11", ...) is 7 or newer.
    static bool DirectXVersionAcceptable(const std::string& version);

    // ---- Music, sound and speech (GameAudio.cpp) -------------------------------------------------
    int CustomMusicVolume = 0;
    platform::SamplePtr MusicSample;
    platform::ChannelId MusicChannel = 0;
    std::string MusicFileName = "none";
    std::string MusicName = "none";
    int MusicLooped = 1;
    int MusicRestart = 1;
    int MusicStopped = 0;
    float MusicFadeIn = 50;
    float MusicFadeInCounter = 0;
    float MusicFadeInDelay = 0;
    float MusicFadeOut = 1000;
    float MusicFadeOutCounter = 0;
    float PauseFadeLength = 100;
    float PauseFadeCounter = 0;
    int PauseFadeDirection = 0;
    std::shared_ptr<TGameSound> EscapeSound;
    platform::ChannelId EscapeChannel = 0;
    std::shared_ptr<TChannelArray> Channels;
    platform::ChannelId SpeechChannel = 0;
    int SpeechStopped = 0;

    int MusicLoad(const std::string& file, int looped);
    int MusicSet(const platform::SamplePtr& sound, const std::string& name, int looped);
    int MusicIsPlaying();
    int MusicIsAudible() const;
    int MusicStop();
    int MusicPlay(int fadeIn, int customVolume, int startSilent);
    int MusicNone();
    int GetMusicVolume() const;
    float MusicFadeInCalc() const;
    float MusicFadeOutCalc() const;
    int MusicFadeInApply();
    int MusicFadeOutApply();
    int MusicFadeInManage();
    int MusicFadeOutManage();
    int MusicFadeOutSet(float ms);
    int MusicSetVolume(int volume, int save);
    int MusicChangeVolume(int step);
    int ToggleMusic();
    int MusicOff();
    int MusicOn();
    float PauseFadeCalc() const;
    int PauseFadeApply();
    int PauseFadeManage();
    int ChannelsCreate(int n);
    int ChannelsKill();
    int ChangeSoundDriver(const std::string& name, int save);
    int SoundPlay(const platform::SamplePtr& sound);
    int SoundPlaySameChannel(platform::ChannelId& channel, const platform::SamplePtr& sound);
    int SoundPlayReturnChannel(platform::ChannelId& channel, const platform::SamplePtr& sound, float rate);
    int GameSoundPlay(platform::ChannelId& channel, const TGameSound& gameSound, float pan);
    int SoundSetVolume(int volume, int save);
    int SoundChangeVolume(int step);
    int ToggleSound();
    int SoundOff();
    int SoundOn();
    int SpeechStop();
    int SpeechPlay(const TGameSound& gameSound, int interrupt);
    int SpeechSetVolume(int volume, int save);
    int SpeechChangeVolume(int step);
    int SpeechOff();
    int SpeechOn();
    int StopChannels();
    int SetEscapeSound(const std::string& name);
    int EscapeSoundPlay();

    // ---- Input, window focus and pausing (GameInput.cpp) ------------------------------------------
    std::shared_ptr<TGameImage> SpritePaused;  // drawn centred over the screen while paused
    std::unique_ptr<TMousePointer> Mouse;

    int DoPeekEvent();
    int ReadKeys();
    int CheckWindow();
    int GameTerminated();
    int TogglePause();
    int Pause();
    int UnPause();
    int ShowPaused();
    int SetPriority();
    int TakeScreenshot();
    int SpritePausedCreate(std::shared_ptr<TGameImage> image);
    // Our addition: saves the current player's profile when the program is closed during a level; the
    // profile code installs it.
    Hook SaveCurrentProfileFunction;
    // Our addition, for whatever watches play from outside it (the autoplayer, the event report): run at
    // the end of every logic tick that ran, and whenever a screen becomes the current one. Play never
    // depends on them; a person at the keyboard has neither.
    Hook AfterTickFunction;
    std::function<void(TScreen&)> ScreenEnteredFunction;
    // Likewise, whenever a dialog opens.
    std::function<void(TDialog&)> DialogOpenedFunction;
    // The framework's own message box (600 × 100, drawn over the game, input polled from the platform):
    // the message function shows its text there while the display is open. Until one is installed, and
    // whenever the display is closed, the system box serves.
    std::function<void(const std::string&)> MessageBoxFunction;
    // "YYYY-MM-DD HHNNSS screenshot.png" for the moment given.
    static std::string ScreenshotName(const platform::DateTime& when);

    // ---- The profile folder (GameProfiles.cpp) ---------------------------------------------------------
    std::shared_ptr<TProfile> CurrentProfile;  // the current player's profile; none before one is chosen
    // Moves every profile file aside (to name + ".old").
    int DeleteAllProfiles();
    // 1 when the profile folder holds at least one profile file; an unreadable folder is fatal.
    int ProfileFolderInUse();

    // ---- Screens (GameScreens.cpp) -------------------------------------------------------------------
    std::unique_ptr<TGameFade> GameFade;
    std::unique_ptr<TScreen> ExitScreen;
    std::unique_ptr<TLoadingScreen> LoadingScreen;
    int ScreenChange();
    // Advances the loading bar one step and shows the loading screen at once (loading runs outside the
    // main loop), or leaves it for a later step when one was shown less than a display frame ago.
    int MoveBar();

    std::unique_ptr<THighScoreList> HighScores;

    // Where "GoodExit.dat" and "inichanged.dat" live.
    std::string MarkerFolder() const;
    // The settings file's path without ".ini".
    std::string SettingsFileName() const;

private:
    void SaveProfileIfPlaying();
    // The sound part of pausing: music and speech off (remembering them), the hook, normal priority.
    void PauseSounds();
    void ResumeSounds();
    void ReadFrameworkKeys();
    // Starts (or keeps) the fade out to the exit screen, giving way any fade in that is running.
    void LeaveForExit();
    // The shared data folder's settings start-up: folders, defaults copy, load, crash fallback.
    void SettingsStartUp();
    // The profile folder, made when missing (fatal when it cannot be).
    void ProfileFolderStartUp();

    platform::Platform& platform_;
    // The settings file exists but could not be read at start-up.
    bool settingsUnread_ = false;
};
