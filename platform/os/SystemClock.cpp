#include "platform/os/SystemClock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace platform {

uint32_t SystemClock::Millisecs() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(ms.count());
}

void SystemClock::Sleep(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

DateTime SystemClock::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

uint32_t ManualClock::Millisecs() {
    // Frame steps such as 1000/60 are not exact in binary, yet sixty of them must read as a whole second:
    // a microsecond of slack absorbs the rounding. The time goes through 64 bits first, because a double
    // beyond the 32-bit range has no defined conversion to it; the unsigned sum then wraps.
    return base_ + static_cast<uint32_t>(static_cast<uint64_t>(sinceBase_ + 1e-3));
}

void ManualClock::Advance(double ms) {
    if (!(ms > 0)) return;
    sinceBase_ += ms;
    elapsed_ += ms;
}

DateTime ManualClock::Now() {
    // In UTC, so that the calendar carries days and months without any daylight-saving jump.
    std::tm t{};
    t.tm_year = date_.year - 1900;
    t.tm_mon = date_.month - 1;
    t.tm_mday = date_.day;
    t.tm_hour = date_.hour;
    t.tm_min = date_.minute;
    t.tm_sec = date_.second;
    const std::time_t when = ::timegm(&t) + static_cast<std::time_t>(elapsed_ / 1000.0);
    ::gmtime_r(&when, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

}  // namespace platform
