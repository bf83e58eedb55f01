#pragma once
#include <chrono>
#include <string>
#include <string_view>

#include "Report.h"

namespace zubolo::e2e {

// Wine's timing varies from run to run, so every wait for another process is a poll with a
// deadline, never a fixed sleep.
inline constexpr std::chrono::milliseconds Deadline{10000};

// Waits one polling interval while keeping the driver's own windows answering their messages.
void PauseBetweenProbes();

// Calls probe until its result converts to true or the deadline passes; returns the last result.
template <class Probe>
auto PollUntil(Probe probe, std::chrono::milliseconds limit = Deadline) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        auto result = probe();
        if (result || std::chrono::steady_clock::now() >= deadline) return result;
        PauseBetweenProbes();
    }
}

// Like PollUntil, but a timeout fails the case with "what".
template <class Probe>
auto WaitFor(std::wstring_view what, Probe probe, std::chrono::milliseconds limit = Deadline) {
    auto result = PollUntil(probe, limit);
    if (!result) {
        Fail(L"timed out after " + std::to_wstring(limit.count() / 1000) + L" s waiting for " +
             std::wstring(what));
    }
    return result;
}

}  // namespace zubolo::e2e
