#include "framework/core/Messages.h"

#include <cstdio>
#include <cstdlib>

#include "framework/core/Game.h"
#include "framework/core/Globals.h"
#include "platform/files/Files.h"

namespace {

std::string TwoDigits(int v) {
    return (v < 10 ? "0" : "") + std::to_string(v);
}

}  // namespace

std::string FormatDate(const platform::DateTime& when) {
    static const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int month = when.month >= 1 && when.month <= 12 ? when.month - 1 : 0;
    return TwoDigits(when.day) + " " + kMonths[month] + " " + std::to_string(when.year);
}

std::string FormatTime(const platform::DateTime& when) {
    return TwoDigits(when.hour) + ":" + TwoDigits(when.minute) + ":" + TwoDigits(when.second);
}

std::string ErrorLogEntry(const platform::DateTime& when, const std::string& text) {
    return std::string(57, '-') + "\n" + "Date: " + FormatDate(when) + "   Time: " + FormatTime(when) + "\n" +
           text + "\n";
}

void AppendErrorLog(const std::string& text) {
    if (!Game) return;
    std::string error;
    const std::string path = ErrorLogFolder + "ErrorLog.txt";
    if (!platform::files::Append(path, ErrorLogEntry(Game->GetPlatform().GetClock().Now(), text), error)) {
        std::fprintf(stderr, "%s%s\n", MessagePrefix.c_str(), error.c_str());
    }
}

void DebugLog(const std::string& text) {
    if ((Game && Game->Debug) || std::getenv("MURKWELL_DEBUG_LOG"))
        std::fprintf(stderr, "%s\n", text.c_str());
}

void Message(const std::string& text, int fatal, int log) {
    if (Game && GraphicsOpen && Game->MessageBoxFunction) {
        // Over the game while the display is open.
        Game->MessageBoxFunction(text);
    } else if (Game) {
        Game->GetPlatform().GetSystem().ShowMessage(ProductName, text);
    } else {
        std::fprintf(stderr, "%s%s\n", MessagePrefix.c_str(), text.c_str());
    }
    if (LogErrorsToFile && log == 1) AppendErrorLog(text);
    if (fatal == 1) throw FatalMessage(text);
}
