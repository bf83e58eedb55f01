// Files dropped on the main window, under each drop policy as a user sets it on page "設 定":
// refused in a notice that names every path whole (a Japanese name, a path longer than
// MAX_PATH) while the files stay; accepted, each file through the shell's own confirmation into
// the trash and a receipt that lists them; asked about first, where No sends nothing and a file
// whose confirmation the user declines ends the sending. A drop on the minimized program
// restores it once handled.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Cases.h"
#include "ChildProcess.h"
#include "CommonControls.h"
#include "DisposalSteps.h"
#include "Drops.h"
#include "MainWindowInput.h"
#include "MessageBoxes.h"
#include "Polling.h"
#include "Report.h"
#include "Screenshot.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr int SettingsPageIndex = 2;
constexpr wchar_t Accept[] = L"受け取る（そのまま ごみ箱へ）";
constexpr wchar_t AskEachTime[] = L"毎回確認する";

// Three folders of 80 characters make the path of the file in them longer than MAX_PATH.
std::wstring LongRelativePath() {
    std::wstring path;
    for (wchar_t level : {L'a', L'b', L'c'}) path += std::wstring(80, level) + L"\\";
    return path + L"long-path.txt";
}

void ChoosePolicy(HWND main, const wchar_t* caption) {
    HWND radio = ShowPageButton(main, SettingsPageIndex, caption);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(radio, BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &result);
    Expect(SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED,
           L"the drop policy " + Quoted(caption) + L" to be selected");
}

class DroppingOn {
  public:
    DroppingOn(const ChildProcess& zubolo, const ZuboloWindows& windows)
        : zubolo_(zubolo),
          windows_(windows),
          statusBar_(OnlyDescendant(windows.main, L"msctls_statusbar32")) {}

    // Drops the files and returns the program's first box; the shell is not expected to ask.
    HWND Drop(const std::vector<std::wstring>& paths) {
        const PostedDrop drop(windows_.main, paths);
        return WaitForOwnBox(zubolo_.Id());
    }

    // Answers the shell's confirmations with `confirm` until the program's receipt opens.
    HWND AnswerShell(const std::function<int(int)>& confirm, int& shellBoxes) {
        return AnswerShellUntilOwnBox(zubolo_.Id(), confirm, shellBoxes);
    }

    void ExpectBox(HWND box, const std::wstring& text, const std::wstring& what) {
        ExpectText(L"caption of " + what, AppDisplayName, WindowText(box));
        ExpectText(what, text, MessageBoxText(box));
    }

    // The drop has been handled to its end: the title shows the text of status panel 1 again.
    void WaitUntilHandled() {
        WaitFor(L"the taskbar caption to show status panel 1 again after the drop", [&] {
            const std::wstring panel = StatusPanelText(statusBar_, 1);
            return WindowText(windows_.application) == panel && panel != AppDisplayName;
        });
        if (HWND box = FindMessageBox(zubolo_.Id())) {
            Fail(L"no further box after the drop, but one reads " + Quoted(MessageBoxText(box)));
        }
    }

  private:
    const ChildProcess& zubolo_;
    const ZuboloWindows& windows_;
    HWND statusBar_;
};

int YesToAll(int) {
    return IDYES;
}

}  // namespace

void RunFileDropsCase(const CaseSettings& settings) {
    const CaseFolder folder(L"zubolo-drops");
    const std::wstring japanese = folder.MakeFile(L"ごみ箱行きのメモ.txt");
    const std::wstring longPath = folder.MakeFile(LongRelativePath());
    Expect(longPath.size() > MAX_PATH, L"a path longer than MAX_PATH: " + Quoted(longPath));
    const std::vector<std::wstring> named = {folder.MakeFile(L"refused.txt"), japanese, longPath};

    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    WaitForFirstFigures(windows);
    DroppingOn program(zubolo, windows);

    // The first start refuses: the notice names every path whole, under the program's name.
    HWND notice = program.Drop(named);
    program.ExpectBox(
        notice,
        L"受け取りません。\r\n" + ListText(named) + L"\r\n捨てるものは、「ごみ箱」にお願いします。",
        L"the refusal");
    ExpectText(L"taskbar caption while the drop is handled", AppDisplayName,
               WindowText(windows.application));
    CloseBox(notice, IDOK);
    program.WaitUntilHandled();
    ExpectKept(named);

    // Accepted: the shell confirms each file, the receipt lists them and offers to open the bin.
    ChoosePolicy(windows.main, Accept);
    const std::vector<std::wstring> accepted = {folder.MakeFile(L"accepted-1.txt"),
                                                folder.MakeFile(L"accepted 2.txt")};
    int shellBoxes = 0;
    HWND receipt;
    {
        const PostedDrop drop(windows.main, accepted);
        receipt = program.AnswerShell(YesToAll, shellBoxes);
    }
    program.ExpectBox(receipt,
                      L"受け取りました。\r\n" + ListText(accepted) +
                          L"\r\n「ごみ箱」に送りました。「ごみ箱」を開きますか？",
                      L"the receipt");
    SaveWindowScreenshot(receipt, settings.screenshotFolder + L"\\drop-receipt.bmp");
    CloseBox(receipt, IDNO);
    program.WaitUntilHandled();
    ExpectSent(accepted);

    // What the shell makes of a Japanese name and a path beyond MAX_PATH is what the receipt
    // tells: it lists the files that went, up to the first one that stayed.
    {
        const PostedDrop drop(windows.main, {japanese, longPath});
        receipt = program.AnswerShell(YesToAll, shellBoxes);
    }
    std::vector<std::wstring> went;
    for (const std::wstring& path : {japanese, longPath}) {
        if (ExistsInPlace(path)) break;
        went.push_back(path);
    }
    program.ExpectBox(receipt,
                      L"受け取りました。\r\n" + ListText(went) +
                          L"\r\n「ごみ箱」に送りました。「ごみ箱」を開きますか？",
                      L"the receipt of a Japanese name and a long path");
    CloseBox(receipt, IDNO);
    program.WaitUntilHandled();
    ExpectSent({japanese});
    PrintLine(L"note: the shell " + std::wstring(went.size() == 2 ? L"sent" : L"did not send") +
              L" the path longer than MAX_PATH");

    // Asked first: No sends nothing and shows no second box.
    ChoosePolicy(windows.main, AskEachTime);
    const std::vector<std::wstring> asked = {folder.MakeFile(L"asked-1.txt"),
                                             folder.MakeFile(L"asked-2.txt"),
                                             folder.MakeFile(L"asked-3.txt")};
    const std::wstring question =
        L"ドラッグ＆ドロップされました。\r\n" + ListText(asked) + L"\r\n受け取りますか？";
    HWND ask = program.Drop(asked);
    program.ExpectBox(ask, question, L"the question before sending");
    CloseBox(ask, IDNO);
    program.WaitUntilHandled();
    ExpectKept(asked);

    // Yes sends; the user declines the shell's confirmation of the second file, which ends the
    // sending: the receipt lists only the first, and the third is never offered to the shell.
    ask = program.Drop(asked);
    program.ExpectBox(ask, question, L"the question before sending");
    PressMessageBoxButton(ask, IDYES);
    shellBoxes = 0;
    receipt = program.AnswerShell([](int n) { return n == 1 ? IDNO : IDYES; }, shellBoxes);
    program.ExpectBox(receipt,
                      L"受け取りました。「ごみ箱」に送りました。\r\n" + ListText({asked[0]}) +
                          L"\r\n「ごみ箱」を開きますか？",
                      L"the receipt after a declined confirmation");
    ExpectNumber(L"confirmations the shell asked for", 2, shellBoxes);
    CloseBox(receipt, IDNO);
    program.WaitUntilHandled();
    ExpectSent({asked[0]});
    ExpectKept({asked[1], asked[2]});

    // A drop on the minimized program: the question comes first, then the program is restored.
    PostMessageW(windows.main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    WaitFor(L"the program to be minimized",
            [&] { return IsIconic(windows.application) && !IsWindowVisible(windows.main); });
    ask = program.Drop({asked[1]});
    Expect(IsIconic(windows.application) != FALSE,
           L"the program to stay minimized while the drop is handled");
    CloseBox(ask, IDNO);
    WaitFor(L"the program to be restored after the drop",
            [&] { return !IsIconic(windows.application) && IsWindowVisible(windows.main); });

    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
