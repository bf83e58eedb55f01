// The help file as a user meets it. Without a help file beside the program or in a folder above
// it, F1 in the pages says so, naming the file after the program (here a copy named Other.exe).
// With the built Zubolo.chm beside the program, "ヘルプ表示" starts the system's help viewer on
// that file: its window shows the help's title and its contents in Japanese. (Wine's viewer has
// no HTML engine in this prefix, so the page itself stays blank.)
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "Cases.h"
#include "ChildProcess.h"
#include "MainWindowInput.h"
#include "MessageBoxes.h"
#include "Polling.h"
#include "ProcessCommandLine.h"
#include "RemoteBuffer.h"
#include "Screenshot.h"
#include "StartedPrograms.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr int HelpPageIndex = 3;
constexpr wchar_t HelpTitle[] = L"ずぼろ ヘルプ";
constexpr wchar_t FirstContentsEntry[] = L"はじめに";

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

// A copy of the program in a folder of its own under the temporary folder, where no help file
// lies beside it or in any folder above it; removed again when the object goes.
class ProgramCopy {
  public:
    ProgramCopy(const std::wstring& program, const std::wstring& name) {
        wchar_t temporary[MAX_PATH] = {};
        Expect(GetTempPathW(MAX_PATH, temporary) != 0, L"the temporary folder");
        folder_ = std::wstring(temporary) + L"ずぼろ help test";
        path_ = folder_ + L"\\" + name;
        Remove();
        Expect(CreateDirectoryW(folder_.c_str(), nullptr) != FALSE, L"a folder " + Quoted(folder_));
        Expect(CopyFileW(program.c_str(), path_.c_str(), TRUE) != FALSE,
               L"a copy of the program at " + Quoted(path_));
    }
    ~ProgramCopy() { Remove(); }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    const std::wstring& Path() const { return path_; }

  private:
    void Remove() const {
        DeleteFileW(path_.c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring folder_;
    std::wstring path_;
};

// F1 pressed as on the keyboard while the keyboard focus is in `control`: only a real key press
// makes Windows send the help request, a posted key message does not.
void PressF1In(HWND control) {
    const DWORD programThread = GetWindowThreadProcessId(control, nullptr);
    const DWORD ownThread = GetCurrentThreadId();
    AttachThreadInput(ownThread, programThread, TRUE);
    SetForegroundWindow(GetAncestor(control, GA_ROOT));
    SetFocus(control);
    AttachThreadInput(ownThread, programThread, FALSE);
    WaitFor(L"the keyboard focus on " + Quoted(WindowText(control)), [&] {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof(gui);
        return GetGUIThreadInfo(programThread, &gui) && gui.hwndFocus == control;
    });
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_F1;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    Expect(SendInput(2, keys, sizeof(INPUT)) == 2, L"F1 to be pressed");
}

// The text of the first entry of a tree view in another process.
std::wstring FirstTreeItemText(HWND tree) {
    const auto first =
        reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    Expect(first != nullptr, L"an entry in the help viewer's contents");
    constexpr std::size_t TextChars = 128;
    RemoteBuffer remote(tree, sizeof(TVITEMW) + TextChars * sizeof(wchar_t));
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = first;
    item.pszText = reinterpret_cast<wchar_t*>(remote.Address(sizeof(item)));
    item.cchTextMax = TextChars;
    remote.Write(0, &item, sizeof(item));
    Expect(SendMessageW(tree, TVM_GETITEMW, 0, remote.Address()) != 0,
           L"the first entry of the help viewer's contents");
    return remote.ReadText(sizeof(item), TextChars);
}

}  // namespace

void RunHelpNotFoundCase(const CaseSettings& settings) {
    const ProgramCopy other(settings.zuboloPath, L"Other.exe");
    ChildProcess program(other.Path());
    const ZuboloWindows windows = WaitForVisibleMainWindow(program);
    HWND helpButton = ShowPageButton(windows.main, HelpPageIndex, L"ヘルプ表示");

    PressF1In(helpButton);
    HWND box = WaitForMessageBox(program.Id());
    ExpectText(L"caption of the box (the application title)", WindowText(windows.application),
               WindowText(box));
    ExpectText(L"text of the box", L"HelpFile Not Found.\r\n\r\nOther.chm", MessageBoxText(box));
    Expect(!MessageBoxShowsIcon(box), L"the box to show no icon");
    SaveWindowScreenshot(box, settings.screenshotFolder + L"\\help-not-found.bmp");
    PressMessageBoxButton(box, IDOK);
    WaitFor(L"the box to close", [&] { return FindMessageBox(program.Id()) == nullptr; });

    CloseZubolo(program, windows);
}

void RunHelpViewerCase(const CaseSettings& settings) {
    const std::wstring helpFile = FolderOf(settings.zuboloPath) + L"\\Zubolo.chm";
    Expect(GetFileAttributesW(helpFile.c_str()) != INVALID_FILE_ATTRIBUTES,
           L"the built help file at " + Quoted(helpFile));
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    HWND helpButton = ShowPageButton(windows.main, HelpPageIndex, L"ヘルプ表示");

    const StartedPrograms started;
    PostMessageW(helpButton, BM_CLICK, 0, 0);
    const OpenedWindow viewer = started.WaitForWindow(L"hh.exe", L"HH Parent");
    const std::wstring commandLine = CommandLineOf(viewer.processId);
    const std::wstring quotedHelpFile = L"\"" + helpFile + L"\"";
    Expect(commandLine.ends_with(L" " + quotedHelpFile),
           L"the help viewer to be started on " + quotedHelpFile + L", its command line is " +
               Quoted(commandLine));
    ExpectText(L"caption of the help viewer (the help file's title)", HelpTitle, viewer.caption);
    HWND contents = WaitFor(L"the help viewer's contents", [&] {
        const auto trees = DescendantsOfClass(viewer.window, WC_TREEVIEWW);
        return trees.empty() ? HWND{} : trees.front();
    });
    ExpectText(L"first entry of the help viewer's contents", FirstContentsEntry,
               FirstTreeItemText(contents));
    Expect(FindMessageBox(zubolo.Id()) == nullptr, L"no message box of the program");
    SaveWindowScreenshot(viewer.window, settings.screenshotFolder + L"\\help-viewer.bmp");
    CloseOpenedWindow(viewer);

    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
