#pragma once

#include <stdexcept>
#include <string>

#include "platform/System.h"

// Thrown by a fatal message once it has been shown: the program ends through the exit routine.
class FatalMessage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A run-time error of the program itself (an absent object, an index out of range). The error handler
// shows it with the start-up stage in front.
class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message function: shows text (in the framework's own box while the display is open, else in a
// system box; never blocking in headless runs), appends it to the error log when log is 1, and with fatal 1
// throws FatalMessage so the program ends.
void Message(const std::string& text, int fatal, int log);

// A line for the developer on the standard error stream, while the debug display is on (the debug key
// toggles it) or MURKWELL_DEBUG_LOG is set: memory use, save data, level ends.
void DebugLog(const std::string& text);

// "08 Dec 2026" and "17:30:07": fixed English formats, whatever the machine's language.
std::string FormatDate(const platform::DateTime& when);
std::string FormatTime(const platform::DateTime& when);
// One entry of "ErrorLog.txt": a line of 57 hyphens, the date and time, the message.
std::string ErrorLogEntry(const platform::DateTime& when, const std::string& text);
// Appends an entry to ErrorLogFolder + "ErrorLog.txt" (created when missing).
void AppendErrorLog(const std::string& text);
