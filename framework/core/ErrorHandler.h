#pragma once

#include <exception>
#include <string>

// The text the error handler shows: a run-time error of the program with the start-up stage in front
// ("(950) text") when a stage has been reached, any other error as its own text.
std::string ErrorHandlerText(const std::exception& error);
// For an error that reached the top of the program: closes the display, shows the system pointer, shows
// the text in a system box and appends it to the error log. The caller then runs the exit routine.
void HandleError(const std::exception& error);
// The orderly end: the good-exit marker, the system pointer back, audio released.
void ExitRoutine();
// Makes a fatal signal (a crash of the program itself) end as a run-time error reaching the handler does:
// an error-log entry with the start-up stage, and the good-exit marker. Called again when the shared data
// folder changes.
void InstallCrashReport();
