#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/ZuboloForm.h"
#include "unit/FormFixture.h"

namespace zubolo {
namespace {

constexpr WindowHandle MainWindow{0x4242};
constexpr std::int32_t AccessDenied = FakeShellLinks::AccessDenied;  // -2147024891
constexpr std::uint32_t YesNoCancelQuestion = BoxStyle::YesNoCancel | BoxStyle::IconQuestion;
constexpr std::uint32_t YesNoQuestion = BoxStyle::YesNo | BoxStyle::IconQuestion;
constexpr std::uint32_t ErrorReport = BoxStyle::Ok | BoxStyle::IconStop;

const std::u16string Desktop = u"C:\\Users\\taro\\Desktop";
const std::u16string LinkPath = Desktop + u"\\ずぼろ.lnk";
const std::u16string Program = u"C:\\Tools\\Zubolo\\Zubolo.exe";

// The boxes' texts as the user reads them.
const std::u16string AlreadyThere =
    u"フォルダ デスクトップ に\r\nずぼろ.lnk\r\nは既に存在します。更新しますか？\r\n\r\n"
    u"[はい]: 更新, [いいえ]: 削除, [ｷｬﾝｾﾙ]: 取消し";
const std::u16string Created = u"フォルダ デスクトップ に\r\nずぼろ.lnk\r\nを新規作成しました。";
const std::u16string NotCreated =
    u"フォルダ デスクトップ に\r\nずぼろ.lnk\r\nを新規作成できませんでした。HRESULT="
    u"-2147024891\r\nAccess is denied";
const std::u16string Updated = u"フォルダ デスクトップ の\r\nずぼろ.lnk\r\nを更新しました。";
const std::u16string NotUpdated =
    u"フォルダ デスクトップ の\r\nずぼろ.lnk\r\nを更新できませんでした。HRESULT="
    u"-2147024891\r\nAccess is denied";
const std::u16string Removed = u"フォルダ デスクトップ から \r\nずぼろ.lnk\r\nを削除しました。";
const std::u16string NotRemoved =
    u"フォルダ デスクトップ から \r\nずぼろ.lnk\r\nを削除できませんでした。";
const std::u16string DeleteFailed = u"Delete \"ずぼろ.lnk\" Failed.";
const std::u16string Aborted = u"Operations Aborted.";
const std::u16string OpenFolder = u"フォルダ デスクトップ を開きますか？";

// The Desktop, the program, the clock and the system's text for "access denied", as every test
// here has them.
void Prepare(FormOnFakes& f) {
    f.form.SetHandle(MainWindow);
    f.app.SetTitle(u"(3) 1,024");
    f.fakes.shell.folderPaths[Csidl::Desktop] = Desktop;
    f.fakes.shell.systemTexts[static_cast<std::uint32_t>(AccessDenied)] = u"Access is denied.\r\n";
    f.fakes.paths.program = Program;
    f.fakes.clock.now = {2025, 3, 1, 9, 5, 7, 0};
}

void PlaceOldShortcut(FormOnFakes& f) {
    f.fakes.files.files[LinkPath] = "old link";
}

bool SaveAttempted(const FormOnFakes& f) {
    const auto& calls = f.fakes.links.calls;
    return std::any_of(calls.begin(), calls.end(),
                       [](const std::u16string& call) { return call.starts_with(u"Save"); });
}

struct ShortcutRegistration : FormTest {
    ShortcutRegistration() { Prepare(*this); }
};

TEST_F(ShortcutRegistration, EachPathShowsItsBoxesInOrder) {
    struct Case {
        const char* name;
        bool shortcutThere;
        std::deque<int> answers;
        std::optional<std::int32_t> saveFailure;
        std::optional<DeleteResult> deleteResult;
        std::vector<std::u16string> boxes;
        bool written;
        bool sentToBin;
        bool messagesProcessed;
    };
    using namespace BoxAnswer;
    const Case cases[] = {
        {"created", false, {No}, {}, {}, {Created, OpenFolder}, true, false, false},
        {"not created",
         false,
         {No},
         AccessDenied,
         {},
         {NotCreated, OpenFolder},
         false,
         false,
         false},
        {"updated",
         true,
         {Yes, No},
         {},
         {},
         {AlreadyThere, Updated, OpenFolder},
         true,
         false,
         false},
        {"not updated",
         true,
         {Yes, No},
         AccessDenied,
         {},
         {AlreadyThere, NotUpdated, OpenFolder},
         false,
         false,
         false},
        {"removed",
         true,
         {No, No},
         {},
         {},
         {AlreadyThere, Removed, OpenFolder},
         false,
         true,
         false},
        {"not removed",
         true,
         {No, No},
         {},
         DeleteResult{0x7C, false},
         {AlreadyThere, DeleteFailed, NotRemoved, OpenFolder},
         false,
         true,
         true},
        {"aborted",
         true,
         {No, No},
         {},
         DeleteResult{0, true},
         {AlreadyThere, Aborted, NotRemoved, OpenFolder},
         false,
         true,
         true},
        {"cancelled", true, {Cancel}, {}, {}, {AlreadyThere}, false, false, false},
        {"box closed", true, {None}, {}, {}, {AlreadyThere}, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormOnFakes f;
        Prepare(f);
        if (c.shortcutThere) PlaceOldShortcut(f);
        f.fakes.boxes.answers = c.answers;
        if (c.saveFailure) f.fakes.links.results[u"Save"] = *c.saveFailure;
        if (c.deleteResult) f.fakes.recycleBin.deleteResults[LinkPath] = *c.deleteResult;

        f.form.ButtonDeskTopClick();

        EXPECT_EQ(f.fakes.boxes.shown, c.boxes);
        for (const auto& box : f.fakes.boxes.plainBoxes) {
            EXPECT_EQ(box.caption, u"ずぼろ");
            EXPECT_EQ(box.owner, MainWindow);
            EXPECT_EQ(box.fitWidth, box.text != Aborted)
                << std::string(box.text.begin(), box.text.end());
        }
        for (const auto& question : f.fakes.boxes.questions) {
            EXPECT_EQ(question.caption, u"ずぼろ");
            EXPECT_EQ(question.owner, MainWindow);
            EXPECT_EQ(question.flags,
                      question.text == AlreadyThere ? YesNoCancelQuestion : YesNoQuestion);
        }
        const auto file = f.fakes.files.files.find(LinkPath);
        const bool stillOld = file != f.fakes.files.files.end() && file->second == "old link";
        EXPECT_EQ(file != f.fakes.files.files.end() && !stillOld, c.written);
        EXPECT_EQ(f.fakes.recycleBin.deletes.size(), c.sentToBin ? 1u : 0u);
        for (const auto& deleted : f.fakes.recycleBin.deletes) {
            EXPECT_EQ(deleted.path, LinkPath);
            EXPECT_EQ(deleted.owner, MainWindow);
        }
        const auto& frameCalls = f.fakes.frame.calls;
        EXPECT_EQ(std::count(frameCalls.begin(), frameCalls.end(), "ProcessPendingMessages"),
                  c.messagesProcessed ? 1 : 0);
        EXPECT_TRUE(f.fakes.shell.openCalls.empty());
        EXPECT_EQ(f.app.Title(), u"ずぼろ");
    }
}

TEST_F(ShortcutRegistration, TheLinkHoldsTheQuotedTargetTheTemporaryFolderAndTheDescription) {
    PlaceOldShortcut(*this);
    fakes.boxes.answers = {BoxAnswer::Yes, BoxAnswer::No};

    form.ButtonDeskTopClick();

    const std::vector<std::u16string> calls = {
        u"SetPath \"C:\\Tools\\Zubolo\\Zubolo.exe\"",
        u"SetWorkingDirectory C:\\Users\\taro\\AppData\\Local\\Temp\\",
        u"SetDescription 2025/03/01 09:05:07 Created by Zubolo V2.0",
        u"QueryPersistFile",
        u"Save " + LinkPath,
    };
    EXPECT_EQ(fakes.links.createCalls, 1);
    EXPECT_EQ(fakes.links.calls, calls);
    EXPECT_EQ(fakes.files.files[LinkPath], FakeShellLinks::SavedContent);
}

TEST_F(ShortcutRegistration, YesToOpenTheFolderSelectsTheShortcutOrOpensTheFolderWithoutIt) {
    struct Case {
        const char* name;
        bool shortcutThere;
        std::deque<int> answers;
        std::optional<std::int32_t> saveFailure;
        std::vector<std::u16string> opened;
    };
    using namespace BoxAnswer;
    const Case cases[] = {
        {"created", false, {Yes}, {}, {u"explorer.exe with /select," + LinkPath}},
        {"updated", true, {Yes, Yes}, {}, {u"explorer.exe with /select," + LinkPath}},
        {"removed", true, {No, Yes}, {}, {Desktop}},
        {"not created", false, {Yes}, AccessDenied, {Desktop}},
        {"not updated", true, {Yes, Yes}, AccessDenied, {u"explorer.exe with /select," + LinkPath}},
        {"answered no", false, {No}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormOnFakes f;
        Prepare(f);
        // A folder path that already ends in "\\" gets no second one.
        f.fakes.shell.folderPaths[Csidl::Desktop] = Desktop + u"\\";
        if (c.shortcutThere) PlaceOldShortcut(f);
        f.fakes.boxes.answers = c.answers;
        if (c.saveFailure) f.fakes.links.results[u"Save"] = *c.saveFailure;

        f.form.ButtonDeskTopClick();

        std::vector<std::u16string> opened;
        for (const auto& call : f.fakes.shell.openCalls) {
            opened.push_back(call.file + (call.parameters ? u" with " + *call.parameters : u""));
        }
        EXPECT_EQ(opened, c.opened);
    }
}

TEST_F(ShortcutRegistration, AFailedPreparationEndsAtOnceInTheErrorReport) {
    struct Case {
        const char* name;
        std::optional<std::u16string> failingStep;  // nothing: the link object cannot be made
        std::u16string report;
        std::size_t callsMade;
    };
    const Case cases[] = {
        {"SetPath", u"SetPath", u"SetPath Failed HRESULT=-2147024891\r\nAccess is denied.", 1},
        {"SetWorkingDirectory", u"SetWorkingDirectory",
         u"SetWorkingDirectory Failed HRESULT=-2147024891\r\nAccess is denied.", 2},
        {"SetDescription", u"SetDescription",
         u"SetDescription HRESULT=-2147024891\r\nAccess is denied.", 3},
        {"no IPersistFile", u"QueryPersistFile",
         u"IPersistFile Failed HRESULT=-2147024891\r\nAccess is denied.", 4},
        {"no link object", std::nullopt,
         u"IShellLinkW Failed HRESULT=-2147024891\r\nAccess is denied.", 0},
    };
    for (const bool shortcutThere : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (shortcutThere ? ", updating" : ", creating"));
            FormOnFakes f;
            Prepare(f);
            if (shortcutThere) PlaceOldShortcut(f);
            f.fakes.boxes.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
            if (c.failingStep) {
                f.fakes.links.results[*c.failingStep] = AccessDenied;
            } else {
                f.fakes.links.createResult = AccessDenied;
            }

            f.form.ButtonDeskTopClick();

            std::vector<std::u16string> boxes = {c.report};
            if (shortcutThere) boxes.insert(boxes.begin(), AlreadyThere);
            EXPECT_EQ(f.fakes.boxes.shown, boxes);
            const auto& report = f.fakes.boxes.questions.back();
            EXPECT_EQ(report.flags, ErrorReport);
            EXPECT_EQ(report.caption, u"ずぼろ");
            EXPECT_EQ(report.owner, MainWindow);
            EXPECT_EQ(f.fakes.links.calls.size(), c.callsMade);
            EXPECT_FALSE(SaveAttempted(f));
            // Nothing is saved: an old shortcut stays as it was, and no new one appears.
            const auto file = f.fakes.files.files.find(LinkPath);
            EXPECT_EQ(file != f.fakes.files.files.end() ? file->second : "none",
                      shortcutThere ? "old link" : "none");
            EXPECT_TRUE(f.fakes.shell.openCalls.empty());
        }
    }
}

TEST_F(ShortcutRegistration, EachCommandRegistersInItsOwnFolder) {
    struct Case {
        void (TZuboloForm::*command)();
        std::int32_t csidl;
        std::u16string folder;
        std::u16string folderName;
    };
    const Case cases[] = {
        {&TZuboloForm::ButtonDeskTopClick, Csidl::Desktop, Desktop, u"デスクトップ"},
        {&TZuboloForm::ButtonStartMenuClick, Csidl::Programs,
         u"C:\\Users\\taro\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs",
         u"スタートメニューのプログラム"},
        {&TZuboloForm::ButtonStartUpClick, Csidl::Startup,
         u"C:\\Users\\taro\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup",
         u"スタートアップ"},
        {&TZuboloForm::ButtonAddSendToClick, Csidl::SendTo,
         u"C:\\Users\\taro\\AppData\\Roaming\\Microsoft\\Windows\\SendTo", u"送る"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.folderName.begin(), c.folderName.end()));
        FormOnFakes f;
        Prepare(f);
        f.fakes.shell.folderPaths[c.csidl] = c.folder;

        (f.form.*c.command)();

        ASSERT_EQ(f.fakes.shell.folderCalls.size(), 1u);
        EXPECT_EQ(f.fakes.shell.folderCalls[0].csidl, c.csidl);
        EXPECT_EQ(f.fakes.links.calls.front(), u"SetPath \"" + Program + u"\"");
        EXPECT_EQ(f.fakes.links.calls.back(), u"Save " + c.folder + u"\\ずぼろ.lnk");
        EXPECT_EQ(f.fakes.boxes.shown,
                  (std::vector<std::u16string>{
                      u"フォルダ " + c.folderName + u" に\r\nずぼろ.lnk\r\nを新規作成しました。",
                      u"フォルダ " + c.folderName + u" を開きますか？"}));
    }
}

// GetSpecialFolderPath gives "\" for a folder it cannot find; writing there would put the
// shortcut in the root of the current drive.
TEST_F(ShortcutRegistration, AFolderWithoutAFileSystemPathGetsTheNotCreatedNotice) {
    constexpr auto PathNotFound = static_cast<std::uint32_t>(0x80070003);
    fakes.shell.systemTexts[PathNotFound] = u"The system cannot find the path specified.\r\n";
    fakes.files.files[u"\\ずぼろ.lnk"] = "someone else's file";

    form.ButtonStartUpClick();

    EXPECT_EQ(fakes.boxes.shown,
              std::vector<std::u16string>{
                  u"フォルダ スタートアップ に\r\nずぼろ.lnk\r\nを新規作成できませんでした。"
                  u"HRESULT=-2147024893\r\nThe system cannot find the path specified"});
    EXPECT_EQ(fakes.links.createCalls, 0);
    EXPECT_TRUE(fakes.recycleBin.deletes.empty());
    EXPECT_EQ(fakes.files.files[u"\\ずぼろ.lnk"], "someone else's file");
}

}  // namespace
}  // namespace zubolo
