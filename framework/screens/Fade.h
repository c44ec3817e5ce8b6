#pragma once

#include <memory>

#include "platform/Audio.h"

class TGameImage;

// A blocking fade of one picture in real time (milliseconds, not logic ticks), used by the splash
// pictures before the main loop runs. Any key or click skips it.
class TFade {
public:
    platform::ChannelId Channel = 0;  // its volume follows the fade
    std::shared_ptr<TGameImage> Image;
    int X = 0, Y = 0;
    float Length = 0;  // ms
    float StartTime = 0;
    float Elapsed = 0;
    float Ratio = 0;
    float LastTime = 0;
    std::shared_ptr<TGameImage> Background;
    float BackgroundX = 0, BackgroundY = 0;
    float BackgroundZoom = 1.0f;
    float BackgroundXSpeed = 0, BackgroundYSpeed = 0, BackgroundZoomSpeed = 0;  // per second
    float BackgroundFadeTime = 0;
    float BackgroundAlpha = 0;
    int Out = 0;  // 1 fade out, 0 fade in, -1 hold

    int Init(float length, std::shared_ptr<TGameImage> image, platform::ChannelId channel);
    int Reset();
    int CentreImage();
    // 1 when done, -1 when skipped.
    int FadeDo(int out);
    int MoveBackground(float now, float elapsed);
    // 0 when the time has passed, -1 when skipped.
    int WaitForTime(float ms);
    int Draw();
    int Full();
    int Zero();

private:
    // Takes pending input; true when the player asked to skip (a key, a click, or closing the window).
    static bool Skipped();
    static void ResetDrawingState();
};
