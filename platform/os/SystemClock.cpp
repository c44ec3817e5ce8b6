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

DateTime ManualClock::Now() {
    // The start date plus the time run so far; days are not carried, as a manual clock runs for
    // minutes, not days.
    DateTime d = date_;
    long total = d.hour * 3600L + d.minute * 60L + d.second + static_cast<long>(ms_ / 1000.0);
    d.second = static_cast<int>(total % 60);
    d.minute = static_cast<int>((total / 60) % 60);
    d.hour = static_cast<int>((total / 3600) % 24);
    return d;
}

}  // namespace platform
