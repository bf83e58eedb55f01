#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zubolo::e2e {

// What the cases of dropped and passed files share: files to dispose of, where they end up, and
// the boxes that the program and the shell show on the way.

// A fresh folder of the temp folder for one case's files; what an earlier run left there goes.
class CaseFolder {
  public:
    explicit CaseFolder(std::wstring_view name);
    const std::wstring& Path() const { return path_; }
    // Makes a small file at `relativePath` below the folder, with the folders it needs, also
    // beyond MAX_PATH; returns its full path (without the \\?\ prefix).
    std::wstring MakeFile(std::wstring_view relativePath) const;

  private:
    std::wstring path_;
};

// The file (any length of path) is still where it was.
bool ExistsInPlace(const std::wstring& path);
// A file of that name lies in the test run's trash (Wine's Recycle Bin is the XDG trash).
bool InTrash(const std::wstring& path);
// Every file is in the trash and gone from its place, or every file is in its place and not in
// the trash.
void ExpectSent(const std::vector<std::wstring>& paths);
void ExpectKept(const std::vector<std::wstring>& paths);

// The paths as the program lists them: every path followed by a line break.
std::wstring ListText(const std::vector<std::wstring>& paths);

// Answers the shell's boxes while the program sends files until a box of the program itself
// opens, captioned with its name, and returns that box. The shell's delete confirmation (a dialog
// whose text cannot be read from another process) gets confirm(n), IDYES or IDNO, for the n-th box
// of the shell counted from 0; an error box gets OK. `shellBoxes` counts the boxes answered.
HWND AnswerShellUntilOwnBox(DWORD processId, const std::function<int(int)>& confirm,
                            int& shellBoxes);
// The same where the shell is not expected to show anything.
HWND WaitForOwnBox(DWORD processId);

// Presses the button and waits until the box has gone.
void CloseBox(HWND box, int buttonId);

}  // namespace zubolo::e2e
