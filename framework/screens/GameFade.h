#pragma once

#include "platform/Audio.h"

class TGameChannel;

// The screen fade: a rectangle in the clear colour whose alpha follows the fade, and up to three audio
// channels whose volumes follow it too.
class TGameFade {
public:
    int Length = 0;  // ticks
    float Counter = 0;
    int Active = 0;
    int Out = 1;      // 1 fade out, 0 fade in
    float Ratio = 0;  // 1 the screen fully visible, 0 covered
    int Done = 0;
    platform::ChannelId Channel = 0;   // follows the music volume
    TGameChannel* Channel2 = nullptr;  // follows the sound volume; stopped at the end of a fade out
    int Channel2IsGameChannelArray = 1;
    int AllowAnim = 0;
    int FadeInAborted = 0;
    float FadeCounterBeforeAbort = 0;
    int SetToFullOnAbort = 1;
    int AbortKey = -1;

    // Ignored (0) while a fade runs: the running fade wins.
    int Init(int ms, int out, platform::ChannelId channel, int allowAnim, float startCounter,
             TGameChannel* channel2);
    int Finish();
    // -1 aborted by a key or click, 1 finished this tick, 0 running.
    int Manage();
    int CalcRatio();
    int FadeChannels();
    int Draw();
    // 1 once for each finished fade.
    int GetDone();
};
