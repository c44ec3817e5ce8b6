// Events into the framework's input state, the keys the framework handles itself, window focus, pausing
// and the screenshot.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "framework/core/FrameworkKeys.h"
#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/gfx/GameImage.h"
#include "framework/screens/GameFade.h"
#include "framework/screens/Screen.h"
#include "framework/ui/MousePointer.h"
#include "platform/KeyCodes.h"
#include "platform/codecs/ImageCodec.h"

namespace {

bool AltHeld() {
    return KeyDown(platform::vk::kLeftAlt) || KeyDown(platform::vk::kRightAlt) || KeyDown(platform::vk::kAlt);
}
bool CtrlHeld() {
    return KeyDown(platform::vk::kLeftControl) || KeyDown(platform::vk::kRightControl) ||
           KeyDown(platform::vk::kControl);
}
bool ShiftHeld() {
    return KeyDown(platform::vk::kLeftShift) || KeyDown(platform::vk::kRightShift) ||
           KeyDown(platform::vk::kShift);
}
bool WindowsKeyHeld() {
    return KeyDown(platform::vk::kLeftWindows) || KeyDown(platform::vk::kRightWindows);
}

// A framework key that is switched on and was hit.
bool Hit(int key) {
    return key != 0 && KeyHit(key);
}

std::string TwoDigits(int v) {
    return (v < 10 ? "0" : "") + std::to_string(v);
}

}  // namespace

int TGame::DoPeekEvent() {
    platform::Event e;
    while (platform_.GetEvents().PollEvent(e)) {
        switch (e.type) {
            case platform::EventType::FocusLost:
            case platform::EventType::Minimised:
                if (SuspendOnLossOfFocus) SuspendedEvent = 1;
                break;
            case platform::EventType::FocusGained:
            case platform::EventType::Restored:
                SuspendedEvent = 0;
                break;
            case platform::EventType::CloseRequest:
                TerminatedEvent = 1;
                break;
            case platform::EventType::KeyDown:
                // The keyboard's auto-repeat counts as a press, as on the desktop it was made for.
                InputKeyDown(e.key);
                break;
            case platform::EventType::KeyUp:
                InputKeyUp(e.key);
                break;
            case platform::EventType::Character:
                InputCharacter(e.character);
                break;
            case platform::EventType::MouseDown:
                Mouse->ClearMouseHit();
                Mouse->Press(e.button);
                break;
            case platform::EventType::MouseUp:
                Mouse->Release(e.button);
                break;
            case platform::EventType::MouseMove:
                WindowToVirtual(e.x, e.y, Mouse->x, Mouse->y);
                if (UsingVirtualResolution) {
                    if (FullScreen && WideScreen && CustomMousePointer &&
                        (Mouse->x < 0 || Mouse->y < 0 || Mouse->x >= VirtualWidth ||
                         Mouse->y >= VirtualHeight)) {
                        Mouse->x = std::clamp(Mouse->x, 0, VirtualWidth - 1);
                        Mouse->y = std::clamp(Mouse->y, 0, VirtualHeight - 1);
                        DoMoveMouse(Mouse->x, Mouse->y);
                    }
                }
                break;
            case platform::EventType::MouseWheel:
                Mouse->WheelSpeed = e.wheel;
                Mouse->WheelTotal += e.wheel;
                break;
            case platform::EventType::DeviceReset:
                break;
        }
    }
    // Focus can come back without an event saying so.
    if (!FullScreen && Suspended == 1 && SuspendedEvent == 1 && platform_.GetGraphics().HasFocus())
        SuspendedEvent = 0;
    return 1;
}

int TGame::GameTerminated() {
    if (!TerminatedEvent) return 1;
    TerminatedEvent = 0;
    if (TerminatedUserFunction && TerminatedUserFunction() != 0) return 1;
    InstantExit = 1;
    SaveProfileIfPlaying();
    return -1;
}

void TGame::LeaveForExit() {
    // A fade in under way gives way; a fade out under way keeps running and now leads out.
    if (GameFade->Active && GameFade->Out == 0) GameFade->Finish();
    GameFade->Init(DefaultFadeTime, 1, MusicChannel, 1, 0, nullptr);
    DestinationTScreen = ExitScreen.get();
}

void TGame::SaveProfileIfPlaying() {
    if (CurrentTScreen && CurrentTScreen->name == "game" && SaveCurrentProfileFunction)
        SaveCurrentProfileFunction();
}

void TGame::PauseSounds() {
    PausedMusicState = Music;
    PausedSpeechState = Speech;
    if (Music) MusicOff();
    if (Speech) SpeechOff();
    if (PausedUserFunction) PausedUserFunction();
    platform_.GetSystem().SetPriority(0, 0);
}

void TGame::ResumeSounds() {
    if (PausedMusicState == 1) MusicOn();
    if (PausedSpeechState == 1) SpeechOn();
}

int TGame::CheckWindow() {
    if (GameTerminated() == -1) return -1;
    if (SuspendedEvent && !Suspended) {
        if ((PauseOnLossOfFocus || (PauseOnLossOfFullScreenFocus && FullScreen)) && !Paused) {
            Paused = 1;
            Pause();
        }
        if (!Paused) PauseSounds();
        Suspended = 1;
        if (UserSuspendFunction) UserSuspendFunction();
    } else if (Suspended == 1 && !SuspendedEvent) {
        // The display keeps its textures across focus changes here, so nothing needs re-creating.
        if (!Paused) {
            ResumeSounds();
            SetPriority();
        }
        FixedRateLogic.Init();
        Suspended = 0;
        if (UserResumeFunction) UserResumeFunction();
        FlushKeysAndMouse();
    }
    if (!Suspended && !Paused) {
        platform::Audio& audio = platform_.GetAudio();
        if (Music == 1 && MusicLooped == 0 && !audio.IsPlaying(MusicChannel)) MusicStopped = 1;
        if (Speech == 1 && !audio.IsPlaying(SpeechChannel)) SpeechStopped = 1;
        MusicFadeInManage();
        MusicFadeOutManage();
    }
    // A suspended game only waits for its focus to come back.
    if (Suspended) platform_.GetClock().Sleep(1);
    return 1;
}

int TGame::ReadKeys() {
    if (CheckWindow() == -1) {
        // A second request while leaving ends at once. So does one while paused or suspended: the logic,
        // and with it the fade, is stopped then, and the request would wait for the player's return.
        if (FadeOnExit == 0 || ExitRequested || Paused || Suspended) return -1;
        InstantExit = 0;
        ExitRequested = 1;
        LeaveForExit();
    } else if (ExitRequested && CurrentTScreen != ExitScreen.get() &&
               !(GameFade->Out == 1 && (GameFade->Active || GameFade->Done))) {
        // Something started a fade in after the request (a screen's own reaction to a finished fade).
        LeaveForExit();
    }
    if (Paused && Mouse->MouseHit()) TogglePause();
    if (BlockKeys) return 0;
    if (!IgnorePauseKey && Hit(PauseKey)) TogglePause();

    if (KeyHit(platform::vk::kEscape)) {
        if (GameFade->Active) {
            if (GameFade->Out == 0) {
                GameFade->FadeInAborted = 1;
                GameFade->AbortKey = 0;
            }
            GameFade->Finish();
        } else if (Paused) {
            Paused = 0;
            UnPause();
            FlushKeysAndMouse();
        } else if (IgnoreEscapeKey) {
            InputSetKeyHits(platform::vk::kEscape, 1);
        } else {
            EscapeSoundPlay();
            int ms = CurrentTScreen ? CurrentTScreen->SetEscDestination() : 0;
            if (ms == 0) ms = DefaultFadeTime;
            if (FadeMusic) {
                GameFade->Init(ms, 1, MusicChannel, 0, 0, nullptr);
            } else {
                GameFade->Init(ms, 1, 0, 0, 0, nullptr);
                FadeMusic = 1;
            }
        }
    }

    if ((AltHeld() && KeyHit(platform::vk::kEnter)) ||
        (WindowsKeyHeld() && ShiftHeld() && KeyHit(platform::vk::kA + 5))) {
        ToggleFullScreen();
        FlushKeys();
    }
    if (WindowsKeyHeld() && KeyHit(platform::vk::kA + 16)) {
        InstantExit = 1;
        if (UserExitKeyFunction) UserExitKeyFunction();
        SaveProfileIfPlaying();
    }

    if (!IgnoreFrameworkKeys) ReadFrameworkKeys();

    if (!IgnoreDebugKey) {
        if (Hit(DebugKey)) {
            Debug = !Debug;
            if (Debug) {
                DebugReset();
                LogicTime.Start();
                DebugShowFPSOnly = ShiftHeld() ? 1 : 0;
            }
        }
        if (GraphicPlacement) {
            if (KeyHit(platform::vk::kLeft)) --gpX;
            if (KeyHit(platform::vk::kRight)) ++gpX;
            if (KeyHit(platform::vk::kUp)) --gpY;
            if (KeyHit(platform::vk::kDown)) ++gpY;
        }
    }

    if (Paused || Suspended) return 1;
    if (CurrentTScreen) CurrentTScreen->SpecificKeys();
    return 1;
}

void TGame::ReadFrameworkKeys() {
    if (Hit(VolumeDownKey)) {
        SoundChangeVolume(-10);
        MusicChangeVolume(-10);
        SpeechChangeVolume(-10);
        FlushKeys();
    }
    if (Hit(VolumeUpKey)) {
        SoundChangeVolume(10);
        MusicChangeVolume(10);
        SpeechChangeVolume(10);
        FlushKeys();
    }
    if (CtrlHeld() && Hit(QuitKey)) {
        InstantExit = 1;
        if (UserExitKeyFunction) UserExitKeyFunction();
        SaveProfileIfPlaying();
    }
    if (Hit(FullScreenKey)) {
        ToggleFullScreen();
        FlushKeys();
    }
    if (Hit(MinimiseKey)) {
        platform_.GetGraphics().Minimise();
        platform_.GetGraphics().Flip(FlipSync);
        FlushKeys();
    }
    if (Hit(MusicKey)) {
        ToggleMusic();
        FlushKeys();
    }
    if (Hit(SoundKey)) {
        ToggleSound();
        FlushKeys();
    }
    if (Debug && Hit(FastKey)) {
        if (Fast) {
            FastOff();
        } else {
            FastOn();
            SlowMotionOff();
        }
        FlushKeys();
    }
    if (Debug && Hit(SlowMotionKey)) {
        if (SlowMotion) {
            SlowMotionOff();
        } else {
            SlowMotionOn();
            FastOff();
        }
        FlushKeys();
    }
    if (Hit(ScreenshotKey)) TakeScreenshot();
    if (Debug && Hit(FlipSyncKey)) {
        FlipSync = FlipSync == -1 ? 0 : FlipSync == 0 ? 1 : -1;
        FlushKeys();
    }
    if (Debug && Hit(NoTimingKey)) {
        NoTiming = !NoTiming;
        FlushKeys();
    }
    if (Hit(VSyncKey)) {
        ToggleVSync();
        FlushKeys();
    }
    if (Hit(DriverKey)) {
        SetDriver(Driver == 0 ? 1 : 0);
        FlushKeys();
    }
    if (Hit(SoundDriverKey)) {
        const std::string next = SoundDriver == "FreeAudio"     ? "DirectSound"
                                 : SoundDriver == "DirectSound" ? "OpenAL Generic Software"
                                                                : "FreeAudio";
        ChangeSoundDriver(next, 1);
        FlushKeys();
    }
    if (Hit(StoreMouseKey)) {
        storedX = Mouse->x;
        storedY = Mouse->y;
    }
    if (Hit(ShowMouseKey)) {
        std::printf("%d, %d\n", Mouse->x, Mouse->y);
        std::fflush(stdout);
        EscapeSoundPlay();
    }
}

int TGame::TogglePause() {
    Paused = !Paused;
    if (Paused) {
        Pause();
    } else {
        UnPause();
    }
    FlushKeysAndMouse();
    return 1;
}

int TGame::Pause() {
    PauseSounds();
    return 1;
}

int TGame::UnPause() {
    ResumeSounds();
    if (UnPauseUserFunction) UnPauseUserFunction();
    SetPriority();
    FixedRateLogic.Init();
    return 1;
}

int TGame::ShowPaused() {
    if ((!Paused && !Suspended) || !SpritePaused) return 0;
    platform::Graphics& graphics = platform_.GetGraphics();
    graphics.SetBlend(platform::BlendMode::Alpha);
    if (DimWhenPaused) {
        graphics.SetColor(0, 0, 0);
        graphics.SetAlpha(0.5f);
        graphics.DrawRect(0, 0, static_cast<float>(VirtualWidth), static_cast<float>(VirtualHeight));
    }
    graphics.SetColor(255, 255, 255);
    graphics.SetAlpha(1);
    SpritePaused->Draw(VirtualWidth / 2.0f, VirtualHeight / 2.0f, 0);
    return 1;
}

int TGame::SpritePausedCreate(std::shared_ptr<TGameImage> image) {
    SpritePaused = std::move(image);
    if (SpritePaused) SpritePaused->MidHandle(1);
    return 1;
}

int TGame::SetPriority() {
    if (FullScreen) {
        platform_.GetSystem().SetPriority(FullScreenProcess, FullScreenThread);
    } else {
        platform_.GetSystem().SetPriority(WindowedProcess, WindowedThread);
    }
    return 1;
}

std::string TGame::ScreenshotName(const platform::DateTime& when) {
    return std::to_string(when.year) + "-" + TwoDigits(when.month) + "-" + TwoDigits(when.day) + " " +
           TwoDigits(when.hour) + TwoDigits(when.minute) + TwoDigits(when.second) + " screenshot.png";
}

int TGame::TakeScreenshot() {
    platform::Graphics& graphics = platform_.GetGraphics();
    const platform::PixelMap pixels = graphics.Grab({0, 0, WindowWidth, WindowHeight});
    std::string folder = SubPath;
    if (!UseCorrectPath) {
        char* here = ::getcwd(nullptr, 0);
        folder = here ? here : ".";
        ::free(here);
        if (folder.back() != '/') folder += '/';
    }
    const std::string path = folder + ScreenshotName(platform_.GetClock().Now());
    std::string error;
    // OpenGL pictures are packed tightly; the others are written as they are, without compression.
    const bool saved = Driver == 1 ? platform::SavePng(path, pixels, 9, false, error)
                                   : platform::SavePng(path, pixels, 0, true, error);
    if (!saved) std::fprintf(stderr, "%s%s\n", MessagePrefix.c_str(), error.c_str());
    FlushKeys();
    FixedRateLogic.Init();
    return saved ? 1 : 0;
}
