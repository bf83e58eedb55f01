#include "MessageBoxes.h"

#include "Polling.h"
#include "WindowQueries.h"

namespace zubolo::e2e {

namespace {

constexpr wchar_t DialogClass[] = L"#32770";
constexpr int MessageTextId = 0xFFFF;

}  // namespace

HWND FindMessageBox(DWORD processId) {
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (IsWindowVisible(window) && ClassNameOf(window) == DialogClass) return window;
    }
    return nullptr;
}

HWND WaitForMessageBox(DWORD processId) {
    return WaitFor(L"a message box of process " + std::to_wstring(processId),
                   [&] { return FindMessageBox(processId); });
}

std::wstring MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, MessageTextId));
}

bool MessageBoxShowsIcon(HWND box) {
    for (HWND control : DescendantsOfClass(box, L"Static")) {
        const auto style = GetWindowLongW(control, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(control) &&
            SendMessageW(control, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

void PressMessageBoxButton(HWND box, int buttonId) {
    HWND button = GetDlgItem(box, buttonId);
    Expect(button != nullptr,
           L"the message box to have the button with id " + std::to_wstring(buttonId));
    Expect(IsWindowEnabled(button) != FALSE,
           L"the message box button " + Quoted(WindowText(button)) + L" to be enabled");
    DWORD_PTR result = 0;
    constexpr UINT TimeoutMs = 5000;
    if (!SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, TimeoutMs, &result)) {
        Fail(L"the message box did not take the click on " + Quoted(WindowText(button)));
    }
}

void ExpectFailureBox(const ChildProcess& program, std::wstring_view caption,
                      std::wstring_view text) {
    HWND box = WaitForMessageBox(program.Id());
    ExpectText(L"failure box caption (the application title)", caption, WindowText(box));
    ExpectText(L"failure box text", text, MessageBoxText(box));
    Expect(!MessageBoxShowsIcon(box), L"the failure box to show no icon");
    PressMessageBoxButton(box, IDOK);
    WaitFor(L"the failure box to close", [&] { return FindMessageBox(program.Id()) == nullptr; });
}

}  // namespace zubolo::e2e
