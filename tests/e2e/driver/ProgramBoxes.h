#pragma once
#include <windows.h>

#include <string_view>

#include "ChildProcess.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

// The program's message boxes as a user meets them, one after the other.

// Clicks the button (it must be enabled) and returns the first box the command opens. The click
// is posted: the box's modal loop holds the command until the box is closed.
HWND ClickForBox(const ChildProcess& program, HWND button);

// Checks the box's text and its caption: the application title when the box opened, which is the
// program's name or, after a tick that changed it, the title now.
void ExpectNotice(HWND box, const ZuboloWindows& windows, std::wstring_view text);
// The same for a question, which shows the question icon.
void ExpectQuestion(HWND box, const ZuboloWindows& windows, std::wstring_view text);

// Presses a button of the box and waits until it is closed.
void AnswerLastBox(HWND box, int buttonId);
// The same, then waits for the next box of the program.
HWND AnswerForNextBox(const ChildProcess& program, HWND box, int buttonId);

// Fails when the program shows a message box.
void ExpectNoBoxOf(const ChildProcess& program, std::wstring_view after);
// Waits until the program's window thread handles messages again (in its own loop or in a box's)
// and then expects no box.
void ExpectNoBoxWhenIdle(const ChildProcess& program, const ZuboloWindows& windows,
                         std::wstring_view after);

}  // namespace zubolo::e2e
