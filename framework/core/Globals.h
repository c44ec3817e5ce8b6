#pragma once

#include <string>

class TGame;

// The framework's module-level state. One thread runs everything, so plain globals serve.
extern TGame* Game;          // the one game object, created at start-up
extern float Delta;          // length of the current logic tick in nominal ticks (1, or a fraction)
extern int DefaultFadeTime;  // ms: the fade used when a screen gives none
extern int LogicDuringFade;  // 1: screen logic runs under fades that allow animation; 0: always
extern int StartupStage;     // the last start-up or main-loop step reached, shown with run-time errors
extern const std::string AppVersion;
extern int VirtualWidth;  // the virtual screen every screen draws in
extern int VirtualHeight;
extern int FlipSync;         // passed to every flip: 1 wait for the vertical blank, 0 not, -1 default
extern int GraphicsOpen;     // messages go to the in-game box while the display is open
extern int LogErrorsToFile;  // messages flagged for logging are appended to the error log
extern std::string ErrorLogFolder;
extern int SystemInputMode;
// Who the program is, told by the program before anything is shown: the product's name titles every
// message box; the prefix starts every line written to the standard error stream.
extern std::string ProductName;
extern std::string MessagePrefix;  // 1 while a modal box is up: input queries poll the platform directly
