// A start with two files on the command line under the saved policy "受け取る（そのまま
// ごみ箱へ）", as the Send To menu starts the program: both files go through the shell into the
// trash, the receipt opens before the main window has been shown, and the process ends once it is
// answered.
#include <windows.h>

#include <string>
#include <vector>

#include "Cases.h"
#include "ChildProcess.h"
#include "DisposalSteps.h"
#include "MessageBoxes.h"
#include "Polling.h"
#include "Report.h"
#include "Screenshot.h"
#include "SettingsFile.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

void RunCommandLineFilesCase(const CaseSettings& settings) {
    const CaseFolder folder(L"zubolo-command-line");
    const std::vector<std::wstring> passed = {folder.MakeFile(L"passed-1.txt"),
                                              folder.MakeFile(L"passed 2 ごみ.txt")};
    PlantSettings("[MODE]\r\nDragDrop=1\r\n");

    ChildProcess zubolo(settings.zuboloPath, std::nullopt,
                        L"\"" + passed[0] + L"\" \"" + passed[1] + L"\"");
    int shellBoxes = 0;
    HWND receipt = AnswerShellUntilOwnBox(
        zubolo.Id(), [](int) { return IDYES; }, shellBoxes);
    ExpectText(L"the receipt",
               L"受け取りました。\r\n" + ListText(passed) +
                   L"\r\n「ごみ箱」に送りました。「ごみ箱」を開きますか？",
               MessageBoxText(receipt));
    HWND main = FindTopLevel(zubolo.Id(), MainWindowClass);
    Expect(main != nullptr && !IsWindowVisible(main),
           L"the main window to exist but not to be shown yet while the receipt is open");
    ExpectSent(passed);
    SaveWindowScreenshot(receipt, settings.screenshotFolder + L"\\command-line-receipt.bmp");

    CloseBox(receipt, IDNO);
    ExpectNumber(L"exit code once the passed files are handled", 0,
                 zubolo.WaitForExitCode(Deadline));
}

}  // namespace zubolo::e2e
