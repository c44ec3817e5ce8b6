#include "platform/os/FatalSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <ctime>

namespace platform {

namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// Fixed storage: the handler reads it and never allocates.
constexpr size_t kPathMax = 4096;
char logPath[kPathMax];
char markerPath[kPathMax];
char linePrefix[256];
const volatile int* stage = nullptr;
long utcOffsetSeconds = 0;

void Copy(char* to, size_t size, const std::string& from) {
    const size_t n = from.size() < size - 1 ? from.size() : size - 1;
    std::memcpy(to, from.data(), n);
    to[n] = '\0';
}

// A small text builder over a fixed buffer, safe in a signal handler.
struct Text {
    char data[1024];
    size_t size = 0;
    void Add(const char* s) {
        while (*s && size < sizeof data) data[size++] = *s++;
    }
    void Number(long v, int width = 0) {
        char digits[24];
        int n = 0;
        const bool negative = v < 0;
        unsigned long u = negative ? 0UL - static_cast<unsigned long>(v) : static_cast<unsigned long>(v);
        do {
            digits[n++] = static_cast<char>('0' + u % 10);
            u /= 10;
        } while (u != 0);
        while (n < width) digits[n++] = '0';
        if (negative) digits[n++] = '-';
        while (n > 0 && size < sizeof data) data[size++] = digits[--n];
    }
};

// The civil date of a day count since 1970-01-01 (proleptic Gregorian calendar).
void CivilFromDays(long days, long& year, int& month, int& day) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long doe = days - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = yoe + era * 400 + (month <= 2 ? 1 : 0);
}

void WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0) return;
        data += n;
        size -= static_cast<size_t>(n);
    }
}

void OnFatalSignal(int signal) {
    Text text;
    if (stage && *stage != 0) {
        text.Add("(");
        text.Number(*stage);
        text.Add(") ");
    }
    text.Add(FatalSignalName(signal));

    WriteAll(STDERR_FILENO, linePrefix, std::strlen(linePrefix));
    WriteAll(STDERR_FILENO, text.data, text.size);
    WriteAll(STDERR_FILENO, "\n", 1);

    static const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const long local = static_cast<long>(std::time(nullptr)) + utcOffsetSeconds;
    const long days = (local >= 0 ? local : local - 86399) / 86400;
    const long secondOfDay = local - days * 86400;
    long year = 0;
    int month = 1, day = 1;
    CivilFromDays(days, year, month, day);
    Text entry;
    for (int i = 0; i < 57; ++i) entry.Add("-");
    entry.Add("\nDate: ");
    entry.Number(day, 2);
    entry.Add(" ");
    entry.Add(kMonths[month - 1]);
    entry.Add(" ");
    entry.Number(year);
    entry.Add("   Time: ");
    entry.Number(secondOfDay / 3600, 2);
    entry.Add(":");
    entry.Number(secondOfDay / 60 % 60, 2);
    entry.Add(":");
    entry.Number(secondOfDay % 60, 2);
    entry.Add("\n");
    if (logPath[0]) {
        const int fd = ::open(logPath, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd >= 0) {
            WriteAll(fd, entry.data, entry.size);
            WriteAll(fd, text.data, text.size);
            WriteAll(fd, "\n", 1);
            ::close(fd);
        }
    }
    // As after any error the game reports itself: the next start is not taken for a crash.
    if (markerPath[0]) {
        const int fd = ::open(markerPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd >= 0) ::close(fd);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

const char* FatalSignalName(int signal) {
    switch (signal) {
        case SIGSEGV:
            return "Segmentation fault";
        case SIGBUS:
            return "Bus error";
        case SIGFPE:
            return "Floating point exception";
        case SIGILL:
            return "Illegal instruction";
        case SIGABRT:
            return "Aborted";
        default:
            return "Fatal signal";
    }
}

void InstallFatalSignalHandler(const FatalSignalReport& report) {
    Copy(logPath, sizeof logPath, report.logPath);
    Copy(markerPath, sizeof markerPath, report.markerPath);
    Copy(linePrefix, sizeof linePrefix, report.linePrefix);
    stage = report.stage;
    // The handler cannot ask for the time zone; it is taken now.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local)) utcOffsetSeconds = local.tm_gmtoff;
    struct sigaction action {};
    action.sa_handler = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    // A second fault inside the handler ends the process at once.
    action.sa_flags = SA_RESETHAND;
    for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

}  // namespace platform
