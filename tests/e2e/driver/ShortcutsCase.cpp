// The program's shortcut as a user makes it from page "設 定": the Desktop button creates
// ずぼろ.lnk, a second click updates it (nothing of an old shortcut survives), a third one removes
// it to the Recycle Bin after the shell's own confirmation (answered No first, which aborts), and
// Cancel leaves it alone. Each shortcut is read back through the shell's link object. The Start
// menu and Startup buttons make theirs in their folders; a Startup folder that is a file, or is
// missing, gets the not-created notice and nothing is written anywhere.
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>

#include "Cases.h"
#include "ChildProcess.h"
#include "LocalTime.h"
#include "MainWindowInput.h"
#include "MessageBoxes.h"
#include "Polling.h"
#include "ProgramBoxes.h"
#include "Screenshot.h"
#include "ShellFolders.h"
#include "ShellLinkFile.h"
#include "StartedPrograms.h"
#include "SystemText.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr int SettingsPageIndex = 2;
constexpr wchar_t LinkName[] = L"ずぼろ.lnk";
constexpr wchar_t FolderWindowClass[] = L"ExplorerWClass";
const HRESULT PathNotFound = HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);

// --- changes to the prefix, undone when the case ends however it ends ---

// The program's shortcut is not in these folders while the case starts, nor after it ends
// (the test run empties the Desktop itself).
class ShortcutsRemoved {
  public:
    explicit ShortcutsRemoved(std::vector<std::wstring> paths) : paths_(std::move(paths)) {
        Remove();
    }
    ~ShortcutsRemoved() { Remove(); }
    ShortcutsRemoved(const ShortcutsRemoved&) = delete;
    ShortcutsRemoved& operator=(const ShortcutsRemoved&) = delete;

  private:
    void Remove() const {
        for (const std::wstring& path : paths_) DeleteFileW(path.c_str());
    }
    std::vector<std::wstring> paths_;
};

// A folder the program cannot write into while the object lives: moved aside, and a file of
// the same name put in its place when asked for.
class FolderOutOfReach {
  public:
    enum class Place { Missing, FileInItsPlace };

    FolderOutOfReach(std::wstring folder, Place place)
        : folder_(std::move(folder)), aside_(folder_ + L".zubolo-e2e") {
        Restore(folder_, aside_);
        Expect(MoveFileW(folder_.c_str(), aside_.c_str()) != FALSE,
               L"to move " + Quoted(folder_) + L" aside");
        if (place == Place::FileInItsPlace) {
            HANDLE file = CreateFileW(folder_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            Expect(file != INVALID_HANDLE_VALUE, L"a file in place of " + Quoted(folder_));
            CloseHandle(file);
        }
    }
    ~FolderOutOfReach() { Restore(folder_, aside_); }
    FolderOutOfReach(const FolderOutOfReach&) = delete;
    FolderOutOfReach& operator=(const FolderOutOfReach&) = delete;

  private:
    // Also run first, in case an interrupted run left the folder aside.
    static void Restore(const std::wstring& folder, const std::wstring& aside) {
        if (GetFileAttributesW(aside.c_str()) == INVALID_FILE_ATTRIBUTES) return;
        DeleteFileW(folder.c_str());
        MoveFileW(aside.c_str(), folder.c_str());
    }
    std::wstring folder_;
    std::wstring aside_;
};

// --- texts of the boxes ---

std::wstring Notice(std::wstring_view folderName, std::wstring_view place,
                    std::wstring_view ending) {
    return L"フォルダ " + std::wstring(folderName) + std::wstring(place) + L"\r\n" + LinkName +
           L"\r\n" + std::wstring(ending);
}

std::wstring Created(std::wstring_view folderName) {
    return Notice(folderName, L" に", L"を新規作成しました。");
}

std::wstring NotCreated(std::wstring_view folderName, HRESULT result) {
    return Notice(folderName, L" に",
                  L"を新規作成できませんでした。HRESULT=" + std::to_wstring(result) + L"\r\n" +
                      TrimmedSystemText(static_cast<DWORD>(result)));
}

std::wstring OpenFolderQuestion(std::wstring_view folderName) {
    return L"フォルダ " + std::wstring(folderName) + L" を開きますか？";
}

const std::wstring AlreadyThere =
    Notice(L"デスクトップ", L" に", L"は既に存在します。更新しますか？") +
    L"\r\n\r\n[はい]: 更新, [いいえ]: 削除, [ｷｬﾝｾﾙ]: 取消し";

// --- what the shortcut holds ---

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The temporary folder in its long form, as the program's shortcuts name it.
std::wstring LongTemporaryFolder() {
    wchar_t folder[MAX_PATH] = {};
    Expect(GetTempPathW(MAX_PATH, folder) != 0, L"the temporary folder");
    wchar_t longForm[MAX_PATH] = {};
    Expect(GetLongPathNameW(folder, longForm, MAX_PATH) != 0,
           L"the long form of " + Quoted(folder));
    return longForm;
}

std::wstring ProgramBaseName(const std::wstring& path) {
    std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
    return name.substr(0, name.rfind(L'.'));
}

// The shortcut at `linkPath` starts the program (the shell takes the quotes the program wrote
// around the target off again), in the temporary folder, and says when and by what it was made:
// within the last `elapsed` seconds.
void ExpectProgramShortcut(const std::wstring& linkPath, const CaseSettings& settings,
                           std::chrono::seconds elapsed) {
    const ShortcutContent content = ReadShortcut(linkPath);
    ExpectText(L"target of " + Quoted(linkPath), settings.zuboloPath, content.target);
    ExpectText(L"arguments of " + Quoted(linkPath), L"", content.arguments);
    ExpectText(L"working folder of " + Quoted(linkPath), LongTemporaryFolder(),
               content.workingFolder);
    const std::wstring createdBy =
        L" Created by " + ProgramBaseName(settings.zuboloPath) + L" V2.0";
    for (int seconds = 0; seconds <= elapsed.count() + 1; ++seconds) {
        if (content.description == TimeStampText(LocalTimeFromNow(-seconds), L" ") + createdBy) {
            return;
        }
    }
    Fail(L"description of " + Quoted(linkPath) + L" to be like " +
         Quoted(TimeStampText(LocalTimeFromNow(0), L" ") + createdBy) + L", saw " +
         Quoted(content.description));
}

// --- the steps ---

struct Session {
    const CaseSettings& settings;
    ChildProcess& zubolo;
    const ZuboloWindows& windows;
    std::wstring desktop = SpecialFolderPath(CSIDL_DESKTOPDIRECTORY);
    std::wstring desktopLink = desktop + L"\\" + LinkName;

    HWND Button(std::wstring_view caption) const { return ButtonCaptioned(windows.main, caption); }
};

// A registration that creates the shortcut: the created notice, then No to opening the folder.
void CreateShortcut(const Session& s, std::wstring_view buttonCaption, int csidl,
                    std::wstring_view folderName, std::wstring_view screenshot = {}) {
    const auto start = std::chrono::steady_clock::now();
    HWND box = ClickForBox(s.zubolo, s.Button(buttonCaption));
    ExpectNotice(box, s.windows, Created(folderName));
    if (!screenshot.empty()) {
        SaveWindowScreenshot(box, s.settings.screenshotFolder + L"\\" + std::wstring(screenshot));
    }
    box = AnswerForNextBox(s.zubolo, box, IDOK);
    ExpectQuestion(box, s.windows, OpenFolderQuestion(folderName));
    AnswerLastBox(box, IDNO);
    ExpectProgramShortcut(
        SpecialFolderPath(csidl) + L"\\" + LinkName, s.settings,
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start));
}

// Yes to opening the folder: Explorer shows the Desktop folder, with the shortcut selected when
// it exists.
void OpenDesktopFolder(const Session& s, HWND question) {
    ExpectQuestion(question, s.windows, OpenFolderQuestion(L"デスクトップ"));
    const StartedPrograms started;
    AnswerLastBox(question, IDYES);
    const OpenedWindow opened = started.WaitForWindow(L"explorer.exe", FolderWindowClass);
    ExpectText(L"caption of the folder window", DisplayNameOfPath(s.desktop), opened.caption);
    CloseOpenedWindow(opened);
}

void UpdateShortcut(const Session& s) {
    // An old shortcut of which nothing may survive.
    ExpectNumber(L"result of writing an old shortcut", S_OK,
                 WriteShortcut(s.desktopLink, {L"C:\\windows\\notepad.exe", L"/old", L"C:\\",
                                               L"an old shortcut"}));
    const auto start = std::chrono::steady_clock::now();
    HWND box = ClickForBox(s.zubolo, s.Button(L"デスクトップに登録"));
    ExpectQuestion(box, s.windows, AlreadyThere);
    SaveWindowScreenshot(box, s.settings.screenshotFolder + L"\\shortcut-already-there.bmp");
    box = AnswerForNextBox(s.zubolo, box, IDYES);
    ExpectNotice(box, s.windows, Notice(L"デスクトップ", L" の", L"を更新しました。"));
    OpenDesktopFolder(s, AnswerForNextBox(s.zubolo, box, IDOK));
    ExpectProgramShortcut(
        s.desktopLink, s.settings,
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start));
}

// After No to the already-there question the shell asks whether to move the file to the bin, in
// a box of its own (not captioned with the program's title) with Yes and No.
HWND ShellConfirmation(const Session& s, HWND alreadyThere) {
    HWND box = AnswerForNextBox(s.zubolo, alreadyThere, IDNO);
    const std::wstring caption = WindowText(box);
    Expect(caption != AppDisplayName && caption != WindowText(s.windows.application) &&
               GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr,
           L"the shell's confirmation with Yes and No, saw a box captioned " + Quoted(caption) +
               L": " + Quoted(MessageBoxText(box)));
    return box;
}

void RemoveShortcut(const Session& s) {
    const std::wstring notRemoved = Notice(L"デスクトップ", L" から ", L"を削除できませんでした。");

    // No in the shell's confirmation aborts the removal.
    HWND box = ClickForBox(s.zubolo, s.Button(L"デスクトップに登録"));
    ExpectQuestion(box, s.windows, AlreadyThere);
    box = AnswerForNextBox(s.zubolo, ShellConfirmation(s, box), IDNO);
    ExpectNotice(box, s.windows, L"Operations Aborted.");
    box = AnswerForNextBox(s.zubolo, box, IDOK);
    ExpectNotice(box, s.windows, notRemoved);
    box = AnswerForNextBox(s.zubolo, box, IDOK);
    ExpectQuestion(box, s.windows, OpenFolderQuestion(L"デスクトップ"));
    AnswerLastBox(box, IDNO);
    Expect(Exists(s.desktopLink), Quoted(s.desktopLink) + L" to stay after the aborted removal");

    // Yes moves it to the Recycle Bin; the folder then opens without a selection.
    box = ClickForBox(s.zubolo, s.Button(L"デスクトップに登録"));
    ExpectQuestion(box, s.windows, AlreadyThere);
    box = AnswerForNextBox(s.zubolo, ShellConfirmation(s, box), IDYES);
    ExpectNotice(box, s.windows, Notice(L"デスクトップ", L" から ", L"を削除しました。"));
    OpenDesktopFolder(s, AnswerForNextBox(s.zubolo, box, IDOK));
    Expect(!Exists(s.desktopLink), Quoted(s.desktopLink) + L" to be gone from the Desktop");
    const auto inBin = RecycleBinItemNames();
    Expect(std::find(inBin.begin(), inBin.end(), LinkName) != inBin.end(),
           Quoted(LinkName) + L" in the Recycle Bin, which holds " + QuotedList(inBin));
}

void CancelLeavesShortcutAlone(const Session& s) {
    CreateShortcut(s, L"デスクトップに登録", CSIDL_DESKTOPDIRECTORY, L"デスクトップ");
    const ShortcutContent before = ReadShortcut(s.desktopLink);
    HWND box = ClickForBox(s.zubolo, s.Button(L"デスクトップに登録"));
    ExpectQuestion(box, s.windows, AlreadyThere);
    AnswerLastBox(box, IDCANCEL);
    ExpectNoBoxWhenIdle(s.zubolo, s.windows, L"Cancel to the already-there question");
    ExpectText(L"description after Cancel", before.description,
               ReadShortcut(s.desktopLink).description);
}

// A Startup folder that cannot be written into gets the not-created notice with the code of
// the failed save; one that is missing has no path at all, and nothing is written in its place.
void UnwritableStartupFolder(const Session& s) {
    const std::wstring startup = SpecialFolderPath(CSIDL_STARTUP);
    const std::wstring startupLink = startup + L"\\" + LinkName;
    {
        const FolderOutOfReach outOfReach(startup, FolderOutOfReach::Place::FileInItsPlace);
        const HRESULT saveResult = WriteShortcut(startupLink, {});
        Expect(FAILED(saveResult), L"a shortcut in a folder that is a file to fail to save");
        HWND box = ClickForBox(s.zubolo, s.Button(L"スタートアップに登録"));
        ExpectNotice(box, s.windows, NotCreated(L"スタートアップ", saveResult));
        box = AnswerForNextBox(s.zubolo, box, IDOK);
        ExpectQuestion(box, s.windows, OpenFolderQuestion(L"スタートアップ"));
        AnswerLastBox(box, IDNO);
    }
    {
        const FolderOutOfReach outOfReach(startup, FolderOutOfReach::Place::Missing);
        HWND box = ClickForBox(s.zubolo, s.Button(L"スタートアップに登録"));
        ExpectNotice(box, s.windows, NotCreated(L"スタートアップ", PathNotFound));
        AnswerLastBox(box, IDOK);
        ExpectNoBoxWhenIdle(s.zubolo, s.windows, L"the notice for a missing Startup folder");
        for (const wchar_t* root : {L"C:\\", L"Z:\\"}) {
            Expect(!Exists(root + std::wstring(LinkName)),
                   L"no shortcut in the root folder " + Quoted(root));
        }
    }
}

}  // namespace

void RunShortcutsCase(const CaseSettings& settings) {
    const ShortcutsRemoved removed({SpecialFolderPath(CSIDL_PROGRAMS) + L"\\" + LinkName,
                                    SpecialFolderPath(CSIDL_STARTUP) + L"\\" + LinkName});
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    const Session session{settings, zubolo, windows};
    ShowPageButton(windows.main, SettingsPageIndex, L"デスクトップに登録");

    CreateShortcut(session, L"デスクトップに登録", CSIDL_DESKTOPDIRECTORY, L"デスクトップ",
                   L"shortcut-created.bmp");
    UpdateShortcut(session);
    RemoveShortcut(session);
    CancelLeavesShortcutAlone(session);
    CreateShortcut(session, L"スタートメニューに登録", CSIDL_PROGRAMS,
                   L"スタートメニューのプログラム");
    CreateShortcut(session, L"スタートアップに登録", CSIDL_STARTUP, L"スタートアップ");
    UnwritableStartupFolder(session);

    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
