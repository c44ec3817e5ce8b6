#include "framework/screens/GameFade.h"

#include <algorithm>

#include "framework/core/ChannelArray.h"
#include "framework/core/Game.h"
#include "framework/core/GameChannel.h"
#include "framework/core/Globals.h"
#include "framework/core/Input.h"
#include "framework/screens/Screen.h"
#include "framework/ui/MousePointer.h"

int TGameFade::Init(int ms, int out, platform::ChannelId channel, int allowAnim, float startCounter,
                    TGameChannel* channel2) {
    if (Active) return 0;
    Length = static_cast<int>(Game->CalcAnimLength(ms));
    Counter = startCounter;
    Active = 1;
    Out = out;
    FlushKeysAndMouse();
    Done = 0;
    Channel = channel;
    Channel2 = channel2;
    AllowAnim = allowAnim;
    FadeInAborted = 0;
    FadeCounterBeforeAbort = 0;
    SetToFullOnAbort = 1;
    AbortKey = -1;
    if (out) Game->FadeMusic = 1;
    Ratio = out ? 1.0f : 0.0f;
    if (startCounter > 0) CalcRatio();
    if (Game->Fade == 0 || Game->NoFade == 1) Finish();
    return 1;
}

int TGameFade::Finish() {
    Active = 0;
    Done = 1;
    if (Out) {
        Ratio = 0;
    } else {
        if (SetToFullOnAbort) Ratio = 1.0f;
        if (FadeInAborted) FadeCounterBeforeAbort = Counter;
    }
    FadeChannels();
    if (Out) {
        if (Channel2) {
            if (Channel2IsGameChannelArray && Game->Channels) {
                Game->Channels->StopGameChannel(Channel2);
            } else {
                Channel2->Kill();
            }
            Channel2 = nullptr;
        }
        Game->SpeechStop();
        if (Game->Fade && !Game->NoFade) {
            // The screen shows the clear colour while the next screen loads.
            platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
            if (Game->ClsColor) graphics.SetClsColor(Game->ClsColor->r, Game->ClsColor->g, Game->ClsColor->b);
            Game->ResetVRViewport();
            graphics.Cls();
            Game->RestoreVRViewPort();
            if (!Game->FadeMouse) Game->Mouse->Draw();
            graphics.Flip(1);
        }
        if (Game->CurrentTScreen) Game->CurrentTScreen->PostFadeOut();
    } else if (Game->CurrentTScreen) {
        Game->CurrentTScreen->PostFadeIn();
    }
    Game->NoFade = 0;
    FlushKeysAndMouse();
    return 1;
}

int TGameFade::Manage() {
    if (!Active) return 0;
    const int key = AnyKeyHit();
    if (key != -1 || Game->Mouse->MouseHit()) {
        if (!Out) {
            FadeInAborted = 1;
            AbortKey = key;
        }
        Finish();
        return -1;
    }
    Counter += Delta;
    CalcRatio();
    FadeChannels();
    if (Counter >= Length) {
        Finish();
        return 1;
    }
    return 0;
}

int TGameFade::CalcRatio() {
    Ratio = Length > 0 ? std::clamp(Counter / Length, 0.0f, 1.0f) : 1.0f;
    if (Out) Ratio = 1 - Ratio;
    return 1;
}

int TGameFade::FadeChannels() {
    platform::Audio& audio = Game->GetPlatform().GetAudio();
    if (Channel) audio.SetVolume(Channel, Ratio * Game->GetMusicVolume() / 100.0f);
    if (Channel2 && Channel2->Channel) audio.SetVolume(Channel2->Channel, Ratio * Game->SoundVolume / 100.0f);
    if (Game->SpeechChannel) audio.SetVolume(Game->SpeechChannel, Ratio * Game->SpeechVolume / 100.0f);
    return 1;
}

int TGameFade::Draw() {
    if (!Active) return 0;
    platform::Graphics& graphics = Game->GetPlatform().GetGraphics();
    graphics.SetBlend(platform::BlendMode::Alpha);
    graphics.SetAlpha(1 - Ratio);
    if (Game->ClsColor) {
        graphics.SetColor(Game->ClsColor->r, Game->ClsColor->g, Game->ClsColor->b);
    } else {
        graphics.SetColor(0, 0, 0);
    }
    if (Game->UsingVirtualResolution && Game->FullScreen) {
        // Over the whole real screen, the side borders included.
        Game->ResetVRViewport();
        graphics.DrawRect(0, 0, static_cast<float>(graphics.DrawingWidth()),
                          static_cast<float>(graphics.DrawingHeight()));
        Game->RestoreVRViewPort();
    } else {
        graphics.DrawRect(0, 0, static_cast<float>(VirtualWidth), static_cast<float>(VirtualHeight));
    }
    graphics.SetAlpha(1);
    graphics.SetColor(255, 255, 255);
    return 1;
}

int TGameFade::GetDone() {
    if (!Done) return 0;
    Done = 0;
    return 1;
}
