#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "ChildProcess.h"

namespace zubolo::e2e {

// Standard message boxes of another process: visible "#32770" windows of that process (filtered
// by process, since Wine's own dialogs share the class).
HWND FindMessageBox(DWORD processId);
HWND WaitForMessageBox(DWORD processId);

// The message text: the static child with the id 0xFFFF.
std::wstring MessageBoxText(HWND box);
bool MessageBoxShowsIcon(HWND box);

// Waits for the program's failure box (no icon, one OK button), checks caption and text and
// closes it with OK.
void ExpectFailureBox(const ChildProcess& program, std::wstring_view caption,
                      std::wstring_view text);

// Presses a button as a user would: only when it exists and is enabled (BM_CLICK on a disabled
// button would still click in Wine).
void PressMessageBoxButton(HWND box, int buttonId);

}  // namespace zubolo::e2e
