#include "RealMouse.h"

#include <string>

#include "Report.h"

namespace zubolo::e2e {

namespace {

// xdotool is a Linux program; Wine starts Linux programs given by their path on drive Z:.
constexpr wchar_t XdotoolPath[] = L"Z:\\usr\\bin\\xdotool";

}  // namespace

void RealClickAt(POINT at, MouseButton button) {
    // One xdotool run for the move and the click: on this Xvfb the pointer goes back to where it
    // was once the xdotool run that moved it ends.
    std::wstring command = std::wstring(XdotoolPath) + L" mousemove " + std::to_wstring(at.x) +
                           L" " + std::to_wstring(at.y) + L" click " +
                           std::to_wstring(static_cast<int>(button));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        Fail(L"cannot start xdotool (" + std::wstring(XdotoolPath) + L"; error " +
             std::to_wstring(GetLastError()) + L"); scripts/setup installs it");
    }
    // A Linux program comes without Windows handles; close any there are.
    if (process.hThread != nullptr) CloseHandle(process.hThread);
    if (process.hProcess != nullptr) CloseHandle(process.hProcess);
}

}  // namespace zubolo::e2e
