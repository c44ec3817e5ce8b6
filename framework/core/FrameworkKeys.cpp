#include "framework/core/FrameworkKeys.h"

int PauseKey = 80;
int VolumeDownKey = 189;
int VolumeUpKey = 187;
int QuitKey = 88;
int FullScreenKey = 70;
int MinimiseKey = 66;
int MusicKey = 77;
int SoundKey = 83;
int FastKey = 84;
int SlowMotionKey = 76;
int ScreenshotKey = 123;
int FlipSyncKey = 73;
int NoTimingKey = 78;
int VSyncKey = 86;
int DriverKey = 71;
int SoundDriverKey = 72;
int DebugKey = 68;
int StoreMouseKey = 67;
int ShowMouseKey = 79;
