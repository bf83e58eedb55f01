#include "ProgramBoxes.h"

#include <string>

#include "MessageBoxes.h"
#include "Polling.h"
#include "WindowQueries.h"

namespace zubolo::e2e {

namespace {

constexpr wchar_t DialogClass[] = L"#32770";

void ExpectBox(HWND box, const ZuboloWindows& windows, std::wstring_view text, bool icon) {
    ExpectText(L"box text", text, MessageBoxText(box));
    const std::wstring caption = WindowText(box);
    Expect(caption == AppDisplayName || caption == WindowText(windows.application),
           L"the box captioned with the application title, saw " + Quoted(caption));
    Expect(MessageBoxShowsIcon(box) == icon,
           Quoted(text) + (icon ? L" to show an icon" : L" to show no icon"));
}

// Fails, naming the box, when there is one.
void ExpectNoBox(HWND box, std::wstring_view after) {
    if (box == nullptr) return;
    Fail(L"no message box after " + std::wstring(after) + L", saw one captioned " +
         Quoted(WindowText(box)) + L": " + Quoted(MessageBoxText(box)));
}

}  // namespace

HWND ClickForBox(const ChildProcess& program, HWND button) {
    Expect(IsWindowEnabled(button) != FALSE, Quoted(WindowText(button)) + L" to be enabled");
    PostMessageW(button, BM_CLICK, 0, 0);
    return WaitForMessageBox(program.Id());
}

void ExpectNotice(HWND box, const ZuboloWindows& windows, std::wstring_view text) {
    ExpectBox(box, windows, text, false);
}

void ExpectQuestion(HWND box, const ZuboloWindows& windows, std::wstring_view text) {
    ExpectBox(box, windows, text, true);
}

void AnswerLastBox(HWND box, int buttonId) {
    PressMessageBoxButton(box, buttonId);
    WaitFor(L"the box to close", [&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

HWND AnswerForNextBox(const ChildProcess& program, HWND box, int buttonId) {
    AnswerLastBox(box, buttonId);
    return WaitForMessageBox(program.Id());
}

void ExpectNoBoxOf(const ChildProcess& program, std::wstring_view after) {
    ExpectNoBox(FindMessageBox(program.Id()), after);
}

// A box exists from the moment its modal loop starts, which is when the program handles the
// message sent here; it may become visible only later, so hidden ones count as well.
void ExpectNoBoxWhenIdle(const ChildProcess& program, const ZuboloWindows& windows,
                         std::wstring_view after) {
    DWORD_PTR result = 0;
    Expect(SendMessageTimeoutW(windows.main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0,
           L"the program to handle messages after " + std::wstring(after));
    ExpectNoBox(FindTopLevel(program.Id(), DialogClass), after);
}

}  // namespace zubolo::e2e
