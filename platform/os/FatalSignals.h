#pragma once

#include <string>

namespace platform {

// What is written when the program dies of a fatal signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT), all
// prepared beforehand: the handler may only do what is safe inside a signal handler.
struct FatalSignalReport {
    std::string logPath;                  // the error log, appended to
    std::string markerPath;               // the marker an orderly end leaves, created
    std::string linePrefix;               // in front of the line on the standard error stream
    const volatile int* stage = nullptr;  // shown as "(stage) " in front of the signal's name when not 0
};

// Installs the handler, or replaces what it writes. The handler appends an entry to the log (a line of 57
// hyphens, "Date: 08 Dec 2026   Time: 17:30:07" in local time, then the text), writes the text to the
// standard error stream, creates the marker and then ends the process by the same signal.
void InstallFatalSignalHandler(const FatalSignalReport& report);

// "Segmentation fault", "Bus error", ... for the signals handled, else "Fatal signal".
const char* FatalSignalName(int signal);

}  // namespace platform
