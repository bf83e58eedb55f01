#pragma once
#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>

namespace zubolo::e2e {

// Whether `window` handles a message sent from this process within `limit`.
bool Answers(HWND window, std::chrono::milliseconds limit);

// Waits until a whole tick of the program has run after this call, seen by its clock moving on:
// a tick writes the clock first, and the program answers the status bar only between ticks.
void WaitForTick(HWND statusBar);

// Asks `window` for an answer again and again until the clock in `statusBar` has moved on
// `ticks` times, and returns the longest wait: how long the program was held up at most. Fails
// when the program does not answer within `limit` or its clock stops; `during` says when.
std::chrono::milliseconds LongestWaitOverTicks(HWND window, HWND statusBar, int ticks,
                                               std::chrono::milliseconds limit,
                                               std::wstring_view during);

std::wstring Ms(std::chrono::milliseconds duration);

}  // namespace zubolo::e2e
