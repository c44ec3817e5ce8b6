#pragma once

// The keys the framework handles itself, as Windows virtual-key codes; 0 switches a key off.
extern int PauseKey;        // P
extern int VolumeDownKey;   // minus
extern int VolumeUpKey;     // plus
extern int QuitKey;         // X, with Ctrl
extern int FullScreenKey;   // F
extern int MinimiseKey;     // B
extern int MusicKey;        // M
extern int SoundKey;        // S
extern int FastKey;         // T, debug only
extern int SlowMotionKey;   // L, debug only
extern int ScreenshotKey;   // F12
extern int FlipSyncKey;     // I, debug only
extern int NoTimingKey;     // N, debug only
extern int VSyncKey;        // V
extern int DriverKey;       // G
extern int SoundDriverKey;  // H
extern int DebugKey;        // D
extern int StoreMouseKey;   // C
extern int ShowMouseKey;    // O
