#include "framework/core/Globals.h"

TGame* Game = nullptr;
float Delta = 0;
int DefaultFadeTime = 500;
int LogicDuringFade = 0;
int StartupStage = 0;
const std::string AppVersion = "1.09";
int VirtualWidth = 800;
int VirtualHeight = 600;
int FlipSync = 1;
int GraphicsOpen = 1;
int LogErrorsToFile = 1;
std::string ErrorLogFolder;
int SystemInputMode = 0;
std::string ProductName;
std::string MessagePrefix;
