// Stand-in for the display control panel, which Wine does not have. Installed in the test prefix
// as desk.cpl, it lets a test see that "Control.exe desk.cpl,,0" reached the control panel: when
// started, it shows a message box captioned "desk.cpl" whose text is the start parameters it got
// (empty when it was started without any).
#include <windows.h>

#include <cpl.h>

extern "C" __declspec(dllexport) LONG CALLBACK
    CPlApplet(HWND owner, UINT message, LPARAM /*applet*/, LPARAM data) {
    switch (message) {
        case CPL_INIT:
            return TRUE;
        case CPL_GETCOUNT:
            return 1;
        case CPL_INQUIRE: {
            // Older control panels read this record; icon and name ids must not be 0.
            auto* info = reinterpret_cast<CPLINFO*>(data);
            *info = CPLINFO{1, 1, 1, 0};
            return 0;
        }
        case CPL_NEWINQUIRE: {
            auto* info = reinterpret_cast<NEWCPLINFOW*>(data);
            *info = NEWCPLINFOW{};
            info->dwSize = sizeof *info;
            info->hIcon = LoadIconW(nullptr, IDI_APPLICATION);
            lstrcpynW(info->szName, L"desk.cpl", ARRAYSIZE(info->szName));
            return 0;
        }
        case CPL_STARTWPARMSW: {
            const auto* parameters = reinterpret_cast<const wchar_t*>(data);
            MessageBoxW(owner, parameters != nullptr ? parameters : L"", L"desk.cpl", MB_OK);
            return TRUE;
        }
        case CPL_DBLCLK:
            MessageBoxW(owner, L"", L"desk.cpl", MB_OK);
            return 0;
        default:
            return 0;
    }
}
