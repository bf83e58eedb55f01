#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "unit/FormFixture.h"

namespace zubolo {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr WindowHandle MainWindow{100};
constexpr WindowHandle ApplicationWindow{50};
const std::u16string IniPath = u"C:\\Users\\taro\\AppData\\Roaming\\Quorvane\\Zubolo\\Zubolo.ini";

// Every setting away from its default, the window maximized at a place of its own.
constexpr std::string_view ChangedSettings =
    "[POSITION]\r\nFlags=2\r\nShowCmd=3\r\nMaxX=-4\r\nMaxY=-4\r\nLeft=11\r\nTop=22\r\n"
    "Right=333\r\nBottom=444\r\nState=2\r\n\r\n"
    "[MODE]\r\nDragDrop=7\r\nStayOnTop=1\r\nMinimize=-5\r\nCloseQuery=1\r\nSaveStatus=0\r\n"
    "AutoWidth=0\r\nFolded=1\r\nOriginHeight=321\r\nShowHint=1\r\n\r\n";

class FormLifecycleTest : public FormTest {
  protected:
    FormLifecycleTest() {
        form.SetHandle(MainWindow);
        fakes.frame.owner = ApplicationWindow;
    }

    void Create() {
        form.FormCreate();
        fakes.frame.calls.clear();
    }
    std::string& SettingsFile() { return fakes.files.files[IniPath]; }
};

TEST_F(FormLifecycleTest, FirstStartPlacesTheHiddenWindowInTheWorkAreaThirdsWithDefaultModes) {
    form.FormCreate();

    // The drive table's refresh fits the columns last; without drives only the three measured
    // headers are asked for.
    EXPECT_THAT(
        fakes.frame.calls,
        ElementsAre("Placement", "SetPlacement flags=0 show=0 max=-1,-1 normal=400,300,800,600",
                    "SetState 0", "TextWidth", "AcceptDroppedFiles on", "TextWidth", "TextWidth",
                    "TextWidth"));
    EXPECT_EQ(form.RadioGroup2.ItemIndex(), 0);
    EXPECT_EQ(form.RadioGroup1.ItemIndex(), 0);
    EXPECT_FALSE(form.CheckBoxStayOnTop.Checked());
    EXPECT_FALSE(form.CheckBoxCloseQuery.Checked());
    EXPECT_TRUE(form.CheckBoxSaveStatus.Checked());
    EXPECT_TRUE(form.CheckBoxAutoWidth.Checked());
    EXPECT_TRUE(form.Pm4Spread.Checked());
    EXPECT_FALSE(form.Pm4Shrink.Checked());
    EXPECT_FALSE(app.ShowHints());
    EXPECT_EQ(form.PageControl1.ActivePage(), &form.TabSheetStatus);
    EXPECT_EQ(app.Title(), u"ずぼろ");
    EXPECT_EQ(form.Caption(), u"ずぼろ");
    EXPECT_FALSE(form.StatusBar1.PanelText(0).empty()) << "the first tick wrote the clock";
    EXPECT_EQ(form.StatusBar1.Panels()[0].width,
              static_cast<int>(form.StatusBar1.PanelText(0).size()) * fakes.frame.charWidth);
    EXPECT_EQ(form.AppStartTime1.second, fakes.clock.now.second);
    EXPECT_TRUE(app.OnMessage) << "the message hook is installed";
}

TEST_F(FormLifecycleTest, SavedSettingsReachTheWindowAndTheControlsInTheFilesOrder) {
    SettingsFile() = ChangedSettings;
    form.FormCreate();

    // The stay-on-top command runs as the check box changes, before the panel is measured.
    EXPECT_THAT(
        fakes.frame.calls,
        ElementsAre("Placement", "SetPlacement flags=2 show=0 max=-4,-4 normal=11,22,333,444",
                    "SetState 2", "SetTopmost on", "TextWidth", "AcceptDroppedFiles on"));
    EXPECT_EQ(form.RadioGroup2.ItemIndex(), 2) << "7 is past the last item";
    EXPECT_EQ(form.RadioGroup1.ItemIndex(), -1) << "-5 selects nothing";
    EXPECT_TRUE(form.CheckBoxStayOnTop.Checked());
    EXPECT_TRUE(form.CheckBoxCloseQuery.Checked());
    EXPECT_FALSE(form.CheckBoxSaveStatus.Checked());
    EXPECT_FALSE(form.CheckBoxAutoWidth.Checked());
    EXPECT_TRUE(form.Pm4Shrink.Checked());
    EXPECT_FALSE(form.Pm4Spread.Checked());
    EXPECT_EQ(form.OriginHeight1, 321);
    EXPECT_TRUE(form.CheckBoxShowHint.Checked());
    EXPECT_TRUE(app.ShowHints());
}

TEST_F(FormLifecycleTest, AWindowAlreadyShowingTakesThePlacementAsSaved) {
    SettingsFile() = ChangedSettings;
    fakes.frame.showing = true;
    form.FormCreate();
    EXPECT_THAT(
        fakes.frame.calls,
        ElementsAre("Placement", "SetPlacement flags=2 show=3 max=-4,-4 normal=11,22,333,444",
                    "SetTopmost on", "TextWidth", "AcceptDroppedFiles on"));
}

TEST_F(FormLifecycleTest, AnUnreadableSettingsFileGivesTheDefaultsAndIsNeverOverwritten) {
    SettingsFile() = ChangedSettings;
    fakes.files.unreadableFiles.insert(IniPath);
    Create();
    EXPECT_FALSE(form.CheckBoxStayOnTop.Checked());
    EXPECT_TRUE(form.CheckBoxSaveStatus.Checked());

    EXPECT_TRUE(form.CloseQuery());
    EXPECT_EQ(SettingsFile(), ChangedSettings);
    EXPECT_TRUE(
        std::none_of(fakes.files.calls.begin(), fakes.files.calls.end(),
                     [](const std::u16string& call) { return call.starts_with(u"write"); }));
}

TEST_F(FormLifecycleTest, CloseWritesProgramPositionAndModeAndHidesTheTrayIcon) {
    SettingsFile() = "[Other]\r\nkeep=1\r\n\r\n[PROGRAM]\r\nVersion=V1.0\r\n\r\n";
    Create();
    form.RadioGroup2.SetItemIndex(1);
    form.CheckBoxStayOnTop.SetChecked(true);
    form.OriginHeight1 = 77;
    form.TrayIcon1.SetVisible(true);
    fakes.frame.placement = {0, 3, {-1, -1}, {5, 6, 405, 306}};
    fakes.frame.state = WindowState::Maximized;

    EXPECT_TRUE(form.CloseQuery());

    EXPECT_EQ(SettingsFile(),
              "[Other]\r\nkeep=1\r\n\r\n"
              "[PROGRAM]\r\nName=Zubolo.exe\r\nPath=C:\\Tools\\Zubolo\r\nVersion=V2.0\r\n"
              "IniFile=C:\\Users\\taro\\AppData\\Roaming\\Quorvane\\Zubolo\\Zubolo.ini\r\n"
              "LastClose=2025/03/14 9:05:07\r\n\r\n"
              "[POSITION]\r\nFlags=0\r\nShowCmd=3\r\nMaxX=-1\r\nMaxY=-1\r\nLeft=5\r\nTop=6\r\n"
              "Right=405\r\nBottom=306\r\nState=2\r\n\r\n"
              "[MODE]\r\nDragDrop=1\r\nStayOnTop=1\r\nMinimize=0\r\nCloseQuery=0\r\n"
              "SaveStatus=1\r\nAutoWidth=1\r\nFolded=0\r\nOriginHeight=77\r\nShowHint=0\r\n\r\n");
    EXPECT_FALSE(form.TrayIcon1.Visible());
    EXPECT_THAT(fakes.boxes.questions, IsEmpty());
}

TEST_F(FormLifecycleTest, WithoutSaveStatusOnlyProgramIsRewrittenAndOtherSectionsStay) {
    SettingsFile() = std::string(ChangedSettings) + "[Other]\r\nkeep=1\r\n\r\n";
    Create();
    fakes.boxes.defaultAnswer = BoxAnswer::Yes;

    EXPECT_TRUE(form.CloseQuery());

    EXPECT_EQ(SettingsFile(),
              "[Other]\r\nkeep=1\r\n\r\n"
              "[PROGRAM]\r\nName=Zubolo.exe\r\nPath=C:\\Tools\\Zubolo\r\nVersion=V2.0\r\n"
              "IniFile=C:\\Users\\taro\\AppData\\Roaming\\Quorvane\\Zubolo\\Zubolo.ini\r\n"
              "LastClose=2025/03/14 9:05:07\r\n\r\n");
}

TEST_F(FormLifecycleTest, WhenTheFolderCannotBeMadeTheFileBesideTheProgramIsWrittenAndNamed) {
    Create();
    fakes.files.folderCreationFails = true;
    EXPECT_TRUE(form.CloseQuery());
    const std::u16string beside = u"C:\\Tools\\Zubolo\\Zubolo.ini";
    ASSERT_TRUE(fakes.files.files.contains(beside));
    EXPECT_THAT(fakes.files.files[beside],
                testing::HasSubstr("IniFile=C:\\Tools\\Zubolo\\Zubolo.ini\r\n"));
}

TEST_F(FormLifecycleTest, ANoToTheCloseQuestionChangesNothing) {
    SettingsFile() = ChangedSettings;
    Create();
    form.TrayIcon1.SetVisible(true);
    fakes.files.calls.clear();
    fakes.boxes.answers = {BoxAnswer::No};

    bool canClose = true;
    form.FormCloseQuery(canClose);

    EXPECT_FALSE(canClose);
    ASSERT_EQ(fakes.boxes.questions.size(), 1u);
    const auto& question = fakes.boxes.questions[0];
    EXPECT_EQ(question.owner, ApplicationWindow);
    EXPECT_EQ(question.text, u"終了してよいですか？");
    EXPECT_EQ(question.caption, u"ずぼろ");
    EXPECT_EQ(question.flags, 0x24u);
    EXPECT_THAT(fakes.files.calls, IsEmpty());
    EXPECT_THAT(fakes.frame.calls, IsEmpty());
    EXPECT_EQ(SettingsFile(), ChangedSettings);
    EXPECT_TRUE(form.TrayIcon1.Visible());

    fakes.boxes.answers = {BoxAnswer::Yes};
    EXPECT_TRUE(form.CloseQuery());
    EXPECT_NE(SettingsFile(), ChangedSettings);
    EXPECT_FALSE(form.TrayIcon1.Visible());
}

TEST_F(FormLifecycleTest, TheShutdownQueryNeverAsksButALaterCloseDoes) {
    SettingsFile() = ChangedSettings;
    Create();
    fakes.boxes.defaultAnswer = BoxAnswer::No;

    EXPECT_TRUE(form.WMQueryEndSession());
    EXPECT_THAT(fakes.boxes.questions, IsEmpty());
    EXPECT_FALSE(form.FQueryEndSession);
    EXPECT_THAT(SettingsFile(), testing::HasSubstr("[PROGRAM]"));

    EXPECT_FALSE(form.CloseQuery()) << "logoff was cancelled; the user's close asks again";
    EXPECT_EQ(fakes.boxes.questions.size(), 1u);
}

TEST_F(FormLifecycleTest, ARestartBringsBackThePlaceAndTheModes) {
    Create();
    form.RadioGroup2.SetItemIndex(2);
    form.RadioGroup1.SetItemIndex(1);
    form.CheckBoxCloseQuery.SetChecked(true);
    form.CheckBoxAutoWidth.SetChecked(false);
    form.CheckBoxShowHint.SetChecked(true);
    form.Pm4Shrink.SetChecked(true);
    form.OriginHeight1 = 250;
    fakes.frame.placement = {0, 1, {-1, -1}, {30, 40, 530, 440}};
    fakes.boxes.defaultAnswer = BoxAnswer::Yes;
    ASSERT_TRUE(form.CloseQuery());

    Application nextApp;
    FakeFormServices next;
    next.files.files[IniPath] = SettingsFile();
    TZuboloForm restarted(nextApp, next.services);
    restarted.SetHandle(MainWindow);
    restarted.FormCreate();

    EXPECT_THAT(next.frame.calls,
                testing::Contains("SetPlacement flags=0 show=0 max=-1,-1 normal=30,40,530,440"));
    EXPECT_EQ(restarted.RadioGroup2.ItemIndex(), 2);
    EXPECT_EQ(restarted.RadioGroup1.ItemIndex(), 1);
    EXPECT_TRUE(restarted.CheckBoxCloseQuery.Checked());
    EXPECT_FALSE(restarted.CheckBoxAutoWidth.Checked());
    EXPECT_TRUE(restarted.CheckBoxShowHint.Checked());
    EXPECT_TRUE(nextApp.ShowHints());
    EXPECT_TRUE(restarted.Pm4Shrink.Checked());
    EXPECT_EQ(restarted.OriginHeight1, 250);
}

TEST_F(FormLifecycleTest, StayOnTopAndHintsFollowTheirCheckBoxes) {
    Create();
    form.CheckBoxStayOnTop.SetChecked(true);
    form.CheckBoxStayOnTop.SetChecked(false);
    EXPECT_THAT(fakes.frame.calls, ElementsAre("SetTopmost on", "SetTopmost off"));

    form.CheckBoxShowHint.SetChecked(true);
    EXPECT_TRUE(app.ShowHints());
    form.CheckBoxShowHint.SetChecked(false);
    EXPECT_FALSE(app.ShowHints());
}

TEST_F(FormLifecycleTest, TheMessageHookHandsDropsOnTheMainWindowOverAndRestoresTheApplication) {
    Create();
    form.StatusBar1.SetPanelText(1, u"(3) 1,024");
    fakes.frame.droppedFiles = {u"C:\\a.txt", u"C:\\b.txt"};
    EXPECT_FALSE(app.OnMessage({MainWindow, 0x0100, 0, 0}));
    EXPECT_FALSE(app.OnMessage({ApplicationWindow, WindowMessage::DropFiles, 1, 0}));
    EXPECT_THAT(fakes.frame.calls, IsEmpty());

    EXPECT_TRUE(app.OnMessage({MainWindow, WindowMessage::DropFiles, 0xD80, 0}));
    EXPECT_THAT(fakes.frame.calls, ElementsAre("TakeDroppedFiles", "RestoreApplication"));
    EXPECT_THAT(fakes.frame.takenDrops, ElementsAre(NativeHandle{0xD80}))
        << "the drop is read and released";
    // Refused under the first start's policy, in a notice captioned with the title of the moment.
    ASSERT_EQ(fakes.boxes.plainBoxes.size(), 1u);
    EXPECT_EQ(fakes.boxes.plainBoxes[0].caption, u"ずぼろ");
    EXPECT_EQ(fakes.boxes.plainBoxes[0].text,
              u"受け取りません。\r\nC:\\a.txt\r\nC:\\b.txt\r\n\r\n"
              u"捨てるものは、「ごみ箱」にお願いします。");
    EXPECT_EQ(app.Title(), u"(3) 1,024") << "the title shows the bin text again";
    EXPECT_EQ(fakes.process.quitRequests, 0) << "started without files, the program stays";
}

TEST_F(FormLifecycleTest, FilesOnTheCommandLineFollowTheSavedPolicyAndThenTheProgramEnds) {
    const std::u16string withFiles =
        u"\"C:\\Program Files\\Zubolo\\Zubolo.exe\" C:\\a.txt \"C:\\My Files\\b.txt\"";
    struct Case {
        const char* what;
        std::u16string commandLine;
        std::string settings;
        std::vector<std::u16string> deleted;
        std::size_t boxes;
        int quitRequests;
    };
    const Case cases[] = {
        {"no files",
         u"\"C:\\Program Files\\Zubolo\\Zubolo.exe\"  ",
         "[MODE]\r\nDragDrop=1\r\n",
         {},
         0,
         0},
        {"accept",
         withFiles,
         "[MODE]\r\nDragDrop=1\r\n",
         {u"C:\\a.txt", u"C:\\My Files\\b.txt"},
         1,
         1},
        {"refuse", withFiles, "[MODE]\r\nDragDrop=0\r\n", {}, 1, 1},
        {"no policy selected", withFiles, "[MODE]\r\nDragDrop=-1\r\n", {}, 0, 1},
    };
    for (const Case& c : cases) {
        FormOnFakes started;
        started.fakes.process.commandLine = c.commandLine;
        started.fakes.files.files[IniPath] = c.settings;
        started.form.FormCreate();

        std::vector<std::u16string> deleted;
        for (const auto& call : started.fakes.recycleBin.deletes) deleted.push_back(call.path);
        EXPECT_EQ(deleted, c.deleted) << c.what;
        const auto& boxes = started.fakes.boxes;
        EXPECT_EQ(boxes.plainBoxes.size() + boxes.questions.size(), c.boxes) << c.what;
        for (const auto& notice : boxes.plainBoxes) EXPECT_EQ(notice.caption, u"ずぼろ") << c.what;
        EXPECT_EQ(started.fakes.process.quitRequests, c.quitRequests) << c.what;
    }
}

TEST_F(FormLifecycleTest, ShowingTheWindowEnablesAndRepaintsItAndFitsTheDriveColumns) {
    Create();
    form.SetEnabled(false);
    unsigned requests = form.ListView1.ColumnRequests();
    form.CMShowingChanged(false);
    EXPECT_FALSE(form.Enabled());
    EXPECT_THAT(fakes.frame.calls, IsEmpty());
    EXPECT_EQ(form.ListView1.ColumnRequests(), requests);

    form.CMShowingChanged(true);
    EXPECT_TRUE(form.Enabled());
    EXPECT_THAT(fakes.frame.calls, ElementsAre("Repaint", "TextWidth", "TextWidth", "TextWidth"));
    EXPECT_NE(form.ListView1.ColumnRequests(), requests);

    form.CheckBoxAutoWidth.SetChecked(false);
    fakes.frame.calls.clear();
    requests = form.ListView1.ColumnRequests();
    form.CMShowingChanged(true);
    EXPECT_THAT(fakes.frame.calls, ElementsAre("Repaint"));
    EXPECT_EQ(form.ListView1.ColumnRequests(), requests) << "no fitting without auto width";
}

}  // namespace
}  // namespace zubolo
