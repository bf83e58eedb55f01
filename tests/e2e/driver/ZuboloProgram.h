#pragma once
#include <windows.h>

#include "ChildProcess.h"

namespace zubolo::e2e {

// What the driver relies on from Zubolo.exe.
inline constexpr wchar_t MainWindowClass[] = L"TZuboloForm";
inline constexpr wchar_t ApplicationWindowClass[] = L"ZuboloApplication";
inline constexpr wchar_t AppDisplayName[] = L"ずぼろ";
// The first instance marks its application window with this property while it runs.
inline constexpr wchar_t InstanceMarkerName[] = L"Zubolo";
inline constexpr INT_PTR InstanceMarkerValue = 20221230;

struct ZuboloWindows {
    HWND application = nullptr;
    HWND main = nullptr;
};

// Waits until the process runs as the first instance: its application window carries the
// marker and its main window exists. Fails at once, with what was seen, when the process shows a
// message box or ends instead.
ZuboloWindows WaitForFirstInstance(const ChildProcess& process);
// The same, and also waits for the main window to be visible.
ZuboloWindows WaitForVisibleMainWindow(const ChildProcess& process);

// Waits until the figures of the Recycle Bin, read in the background at start, have reached
// status panel 1. Until then their arrival may still change the title under a case's feet.
void WaitForFirstFigures(const ZuboloWindows& windows);

// Closes the program as a user would (WM_CLOSE to the main window) and expects exit code 0.
void CloseZubolo(ChildProcess& process, const ZuboloWindows& windows);

}  // namespace zubolo::e2e
