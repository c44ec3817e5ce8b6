#pragma once

#include <string>

#include "framework/core/Messages.h"
#include "platform/System.h"

// File operations are tried up to five times, 200 ms apart: a file that another program holds for a
// moment (a backup tool, a virus scanner) is usually free again by then. An attempt that throws counts
// as failed, except for a fatal message, which has been shown and must end the program at once. Returns
// whether an attempt succeeded; error holds the last attempt's reason.
template <typename Attempt>
bool Retry(platform::Clock& clock, std::string& error, Attempt attempt) {
    constexpr int kAttempts = 5;
    constexpr int kPauseMs = 200;
    for (int i = 0; i < kAttempts; ++i) {
        try {
            if (attempt(error)) return true;
        } catch (const FatalMessage&) {
            throw;
        } catch (const std::exception& e) {
            error = e.what();
        }
        if (i + 1 < kAttempts) clock.Sleep(kPauseMs);
    }
    return false;
}
