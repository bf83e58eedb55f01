// Zubolo.exe: the process entry.
#include <windows.h>
// (COM after <windows.h>)
#include <objbase.h>

#include "app/ProgramEntry.h"
#include "app/win32/Win32ProgramHost.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/Mutexes.h"
#include "platform/win32/TopLevelWindows.h"

namespace {

int StartupShowCommand() {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWNORMAL;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A program run from a Downloads folder must never load a DLL planted beside it.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    zubolo::Application application;
    zubolo::Win32Mutexes mutexes;
    zubolo::Win32TopLevelWindows windows;
    zubolo::Win32MessageBoxes boxes;
    int exitCode = 0;
    {
        zubolo::Win32ProgramHost host(application, StartupShowCommand());
        exitCode = zubolo::RunProgram(application, {mutexes, windows, boxes}, host);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
