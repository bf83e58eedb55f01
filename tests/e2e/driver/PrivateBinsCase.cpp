// Private recycle bins as a user makes them from page "ファイル": two clicks on
// "私設ごみ箱 を追加作成" put the folders "ごみ箱1 .{CLSID_RecycleBin}" and "ごみ箱2 .{…}" on the
// Desktop, each announced with its display part. Wine's shell presents such a folder as an
// ordinary folder, not as the Recycle Bin, so the case checks the folders' exact names only.
#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "Cases.h"
#include "ChildProcess.h"
#include "MainWindowInput.h"
#include "ProgramBoxes.h"
#include "Report.h"
#include "Screenshot.h"
#include "ShellFolders.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr int FilePageIndex = 0;
constexpr wchar_t BinSuffix[] = L" .{645FF040-5081-101B-9F08-00AA002F954E}";

// The names of the folders in `folder`, in the order the file system lists them.
std::vector<std::wstring> FoldersIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != L"." &&
            name != L"..") {
            names.push_back(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

}  // namespace

void RunPrivateBinsCase(const CaseSettings& settings) {
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    HWND addBin = ShowPageButton(windows.main, FilePageIndex, L"私設ごみ箱 を追加作成");

    for (const wchar_t* number : {L"1", L"2"}) {
        HWND box = ClickForBox(zubolo, addBin);
        ExpectNotice(box, windows,
                     L"デスクトップに追加しました\u3000ごみ箱" + std::wstring(number) + L" ");
        if (number == std::wstring(L"1")) {
            SaveWindowScreenshot(box, settings.screenshotFolder + L"\\private-bin-added.bmp");
        }
        AnswerLastBox(box, IDOK);
    }
    ExpectTexts(L"folders on the Desktop",
                {std::wstring(L"ごみ箱1") + BinSuffix, std::wstring(L"ごみ箱2") + BinSuffix},
                FoldersIn(SpecialFolderPath(CSIDL_DESKTOPDIRECTORY)));

    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
