#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "mainwindow/FormShellContext.h"
#include "mainwindow/ZuboloForm.h"
#include "unit/FormFixture.h"

namespace zubolo {
namespace {

constexpr WindowHandle MainWindow{0x4242};

struct LocationCommands : FormTest {
    LocationCommands() {
        form.SetHandle(MainWindow);
        app.SetTitle(u"(3) 1,024");
        fakes.shell.folderPaths[Csidl::Desktop] = u"C:\\Users\\taro\\Desktop";
        fakes.shell.folderPaths[Csidl::Profile] = u"C:\\Users\\taro\\";
        fakes.paths.program = u"C:\\Tools\\ずぼろ\\Zubolo.exe";
    }

    // Every call the commands make to the shell, as text: the special folders asked for, then
    // what was opened, then the property sheets requested.
    std::vector<std::u16string> ShellCalls() const {
        const FakeShell& shell = fakes.shell;
        std::vector<std::u16string> calls;
        for (const auto& folder : shell.folderCalls) {
            calls.push_back(u"folder " + Number(folder.csidl));
        }
        for (const auto& open : shell.openCalls) {
            calls.push_back(u"open " + open.file +
                            (open.parameters ? u" with " + *open.parameters : u""));
        }
        for (const auto& path : shell.objectPropertiesCalls) {
            calls.push_back(u"object properties " + path);
        }
        for (const auto& path : shell.propertiesCalls) calls.push_back(u"properties " + path);
        return calls;
    }

    void ForgetShellCalls() {
        fakes.shell.folderCalls.clear();
        fakes.shell.openCalls.clear();
        fakes.shell.objectPropertiesCalls.clear();
        fakes.shell.propertiesCalls.clear();
    }

    static std::u16string Number(std::int32_t value) {
        const std::string digits = std::to_string(value);
        return std::u16string(digits.begin(), digits.end());
    }

    bool TopmostChanged() const {
        const auto& calls = fakes.frame.calls;
        return std::any_of(calls.begin(), calls.end(),
                           [](const std::string& call) { return call.starts_with("SetTopmost"); });
    }
};

struct Command {
    const char* name;
    void (TZuboloForm::*run)();
    std::vector<std::u16string> shellCalls;
};

const Command Commands[] = {
    {"pm2OpenDeskTopClick",
     &TZuboloForm::pm2OpenDeskTopClick,
     {u"folder 0", u"open C:\\Users\\taro\\Desktop\\"}},
    {"pm2OpenHomeClick", &TZuboloForm::pm2OpenHomeClick, {u"open Explorer.exe"}},
    {"pm2OpenUserClick", &TZuboloForm::pm2OpenUserClick, {u"folder 40", u"open C:\\Users\\taro\\"}},
    {"pm2OpenPC1Click", &TZuboloForm::pm2OpenPC1Click, {u"folder 17", u"open \\"}},
    {"pm2OpenCPanelClick", &TZuboloForm::pm2OpenCPanelClick, {u"open control.exe"}},
    {"pm2TaskMgrClick", &TZuboloForm::pm2TaskMgrClick, {u"open TaskMgr.exe"}},
    {"ButtonDeskTopRbClick",
     &TZuboloForm::ButtonDeskTopRbClick,
     {u"open Control.exe with desk.cpl,,0"}},
    {"ButtonShowPropertiesRbClick",
     &TZuboloForm::ButtonShowPropertiesRbClick,
     {u"object properties shell:RecycleBinFolder"}},
    {"ButtonPropertiesClick",
     &TZuboloForm::ButtonPropertiesClick,
     {u"object properties C:\\Tools\\ずぼろ\\Zubolo.exe"}},
    {"ButtonDonationClick",
     &TZuboloForm::ButtonDonationClick,
     {u"open https://quorvane.example/support/"}},
    {"ButtonHomeSiteClick", &TZuboloForm::ButtonHomeSiteClick, {u"open https://quorvane.example/"}},
};

TEST_F(LocationCommands, EachCommandHandsItsExactTargetToTheShell) {
    for (const Command& command : Commands) {
        SCOPED_TRACE(command.name);
        ForgetShellCalls();

        (form.*command.run)();

        EXPECT_EQ(ShellCalls(), command.shellCalls);
        for (const auto& folder : fakes.shell.folderCalls) EXPECT_EQ(folder.owner, MainWindow);
        EXPECT_TRUE(fakes.boxes.plainBoxes.empty()) << "the shell reported success";
    }
}

TEST_F(LocationCommands, AFailureIsReportedInABoxOfTheMainWindowUnderTheApplicationTitle) {
    fakes.shell.openResult = 2;
    fakes.shell.objectPropertiesResult = false;
    for (const Command& command : Commands) {
        SCOPED_TRACE(command.name);
        fakes.boxes.plainBoxes.clear();

        (form.*command.run)();

        ASSERT_EQ(fakes.boxes.plainBoxes.size(), 1u);
        EXPECT_EQ(fakes.boxes.plainBoxes[0].owner, MainWindow);
        EXPECT_EQ(fakes.boxes.plainBoxes[0].caption, u"(3) 1,024");
    }
}

TEST_F(LocationCommands, TheBoxCaptionIsTheTitleWhenTheBoxOpensNotWhenTheCommandStarted) {
    const ShellContext context = FormShellContext(form);
    app.SetTitle(u"ずぼろ");

    ShowPlainMessage(context, u"text");

    ASSERT_EQ(fakes.boxes.plainBoxes.size(), 1u);
    EXPECT_EQ(fakes.boxes.plainBoxes[0].caption, u"ずぼろ");
}

TEST_F(LocationCommands, PropertySheetCommandsLeaveStayOnTopAlone) {
    form.CheckBoxStayOnTop.SetChecked(true);
    fakes.frame.calls.clear();
    for (bool sheetOpens : {true, false}) {
        fakes.shell.objectPropertiesResult = sheetOpens;
        form.ButtonShowPropertiesRbClick();
        form.ButtonPropertiesClick();
    }
    EXPECT_FALSE(TopmostChanged());
    EXPECT_TRUE(fakes.frame.topmost);
    EXPECT_TRUE(form.CheckBoxStayOnTop.Checked());
}

TEST_F(LocationCommands, TheShellPropertiesRoutineDropsTopmostButKeepsTheSetting) {
    form.CheckBoxStayOnTop.SetChecked(true);
    form.PopupMenu3Popup();
    fakes.frame.calls.clear();

    ShowShellProperties(FormShellContext(form), u"C:\\$Recycle.Bin");

    EXPECT_EQ(fakes.frame.calls, std::vector<std::string>{"SetTopmost off"});
    EXPECT_TRUE(form.CheckBoxStayOnTop.Checked());
    EXPECT_TRUE(form.Pm3StayOnTop.Checked());
}

}  // namespace
}  // namespace zubolo
