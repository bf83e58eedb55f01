#include <gtest/gtest.h>

#include <cstddef>
#include <optional>

#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeShell.h"
#include "shell/ShellRoutines.h"

namespace zubolo {
namespace {

constexpr WindowHandle Owner{0x1234};

class ShellRoutinesTest : public ::testing::Test {
  protected:
    FakeShell shell;
    FakeMessageBoxes boxes;
    std::u16string title = u"ずぼろ";
    int topmostDrops = 0;
    std::optional<std::size_t> propertiesCallsAtDrop;
    ShellContext context{shell, boxes, [this] { return title; }, Owner,
                         [this] {
                             ++topmostDrops;
                             propertiesCallsAtDrop = shell.propertiesCalls.size();
                         }};

    // Text of the one notice box shown, empty when there was not exactly one.
    std::u16string SingleNoticeText() {
        EXPECT_EQ(boxes.plainBoxes.size(), 1u);
        return boxes.plainBoxes.size() == 1 ? boxes.plainBoxes[0].text : std::u16string();
    }
};

TEST_F(ShellRoutinesTest, OpenResultsUpTo32FailAndAbove32Succeed) {
    struct Case {
        std::uint32_t result;
        bool fails;
    };
    const Case cases[] = {{0, true}, {2, true}, {32, true}, {33, false}, {0xFFFFFFFFu, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        shell.openResult = c.result;
        boxes.plainBoxes.clear();
        ShellOpen(context, u"Explorer.exe");
        EXPECT_EQ(boxes.plainBoxes.size(), c.fails ? 1u : 0u);
        boxes.plainBoxes.clear();
        ShellOpenWithParams(context, u"Control.exe", u"desk.cpl,,0");
        EXPECT_EQ(boxes.plainBoxes.size(), c.fails ? 1u : 0u);
    }
}

TEST_F(ShellRoutinesTest, ShellOpenFailureShowsCodeSystemTextAndTargetAsPassed) {
    shell.openResult = 2;
    shell.systemTexts[2] = u"The system cannot find the file specified.\r\n";

    ShellOpen(context, u"\"C:\\Tools\\Zubolo.chm\"");

    ASSERT_EQ(shell.openCalls.size(), 1u);
    EXPECT_EQ(shell.openCalls[0].file, u"\"C:\\Tools\\Zubolo.chm\"");
    EXPECT_EQ(shell.openCalls[0].parameters, std::nullopt);
    EXPECT_EQ(SingleNoticeText(),
              u"Open Failed 2\r\nThe system cannot find the file specified\r\n"
              u"\"C:\\Tools\\Zubolo.chm\"");
    EXPECT_EQ(boxes.plainBoxes[0].owner, Owner);
    EXPECT_EQ(boxes.plainBoxes[0].caption, u"ずぼろ");
    EXPECT_TRUE(boxes.plainBoxes[0].fitWidth);
}

TEST_F(ShellRoutinesTest, ShellOpenWithParamsFailureEndsWithProgramAndParameters) {
    struct Case {
        std::u16string_view parameters;
        std::u16string_view notice;
    };
    const Case cases[] = {
        {u"desk.cpl,,0",
         u"OpenBy Failed 31\r\nNo application is associated\r\nControl.exe\r\n"
         u"desk.cpl,,0"},
        {u"", u"OpenBy Failed 31\r\nNo application is associated\r\nControl.exe\r\n"},
    };
    shell.openResult = 31;
    shell.systemTexts[31] = u"No application is associated.\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.parameters.begin(), c.parameters.end()));
        shell.openCalls.clear();
        boxes.plainBoxes.clear();

        ShellOpenWithParams(context, u"Control.exe", c.parameters);

        ASSERT_EQ(shell.openCalls.size(), 1u);
        EXPECT_EQ(shell.openCalls[0].file, u"Control.exe");
        EXPECT_EQ(shell.openCalls[0].parameters, std::u16string(c.parameters));
        EXPECT_EQ(SingleNoticeText(), c.notice);
    }
}

TEST_F(ShellRoutinesTest, NoticeCaptionIsTheApplicationTitleWhenTheBoxOpens) {
    shell.openResult = 2;
    shell.objectPropertiesResult = false;

    title = u"(3) 1,024";
    ShellOpen(context, u"C:");
    title = u"ずぼろ";
    ShowObjectProperties(context, u"C:");

    ASSERT_EQ(boxes.plainBoxes.size(), 2u);
    EXPECT_EQ(boxes.plainBoxes[0].caption, u"(3) 1,024");
    EXPECT_EQ(boxes.plainBoxes[1].caption, u"ずぼろ");
}

TEST_F(ShellRoutinesTest, ShowObjectPropertiesReportsFailureAndKeepsStayOnTop) {
    ShowObjectProperties(context, u"shell:RecycleBinFolder");
    EXPECT_TRUE(boxes.plainBoxes.empty());

    shell.objectPropertiesResult = false;
    ShowObjectProperties(context, u"shell:RecycleBinFolder");
    EXPECT_EQ(SingleNoticeText(), u"プロパティを表示できませんでした\r\nshell:RecycleBinFolder");

    EXPECT_EQ(shell.objectPropertiesCalls,
              (std::vector<std::u16string>(2, u"shell:RecycleBinFolder")));
    EXPECT_EQ(topmostDrops, 0);
}

TEST_F(ShellRoutinesTest, ShowShellPropertiesDropsTopmostBeforeOpeningTheSheet) {
    ShowShellProperties(context, u"C:\\$Recycle.Bin");

    EXPECT_EQ(shell.propertiesCalls, (std::vector<std::u16string>{u"C:\\$Recycle.Bin"}));
    EXPECT_EQ(topmostDrops, 1);
    EXPECT_EQ(propertiesCallsAtDrop, 0u);
    EXPECT_TRUE(boxes.plainBoxes.empty());
}

TEST_F(ShellRoutinesTest, ShowShellPropertiesFailureIsReportedAndTopmostStaysDropped) {
    shell.propertiesResult = false;

    ShowShellProperties(context, u"D:\\$Recycle.Bin");

    EXPECT_EQ(topmostDrops, 1);
    EXPECT_EQ(SingleNoticeText(), u"プロパティを表示できませんでした\r\nD:\\$Recycle.Bin");
}

TEST_F(ShellRoutinesTest, SpecialFolderPathEndsInExactlyOneBackslash) {
    struct Case {
        std::int32_t csidl;
        std::u16string_view shellPath;
        std::u16string_view result;
    };
    const Case cases[] = {
        {Csidl::Desktop, u"C:\\Users\\a\\Desktop", u"C:\\Users\\a\\Desktop\\"},
        {Csidl::Profile, u"C:\\", u"C:\\"},
        {Csidl::Drives, u"", u"\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.csidl);
        shell.folderPaths[c.csidl] = std::u16string(c.shellPath);
        shell.folderCalls.clear();

        EXPECT_EQ(GetSpecialFolderPath(context, c.csidl), c.result);

        ASSERT_EQ(shell.folderCalls.size(), 1u);
        EXPECT_EQ(shell.folderCalls[0].owner, Owner);
        EXPECT_EQ(shell.folderCalls[0].csidl, c.csidl);
    }
    EXPECT_TRUE(boxes.plainBoxes.empty());
}

TEST_F(ShellRoutinesTest, StandardWidthNoticeKeepsTextAndAsksForNoContentWidth) {
    ShowPlainMessage(context, u"Operations Aborted.", NoticeWidth::Standard);

    ASSERT_EQ(boxes.plainBoxes.size(), 1u);
    EXPECT_EQ(boxes.plainBoxes[0].text, u"Operations Aborted.");
    EXPECT_FALSE(boxes.plainBoxes[0].fitWidth);
}

}  // namespace
}  // namespace zubolo
