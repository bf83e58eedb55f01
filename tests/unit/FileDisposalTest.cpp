#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "disposal/FileDisposal.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRecycleBin.h"
#include "fakes/FakeShell.h"

namespace zubolo {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr WindowHandle ShellOwner{0x100};
constexpr WindowHandle ActiveDialog{0x300};
constexpr int NoSelection = -1;
const std::u16string TwoFiles = u"C:\\a.txt\r\nC:\\b.txt\r\n";

// The drop policy on fakes: the notice box, the questions and the shell's delete, with the
// application title and the active window the test sets.
struct Disposal {
    FakeShell shell;
    FakeMessageBoxes boxes;
    FakeRecycleBin bin;
    std::u16string title = u"(3) 1,024";
    WindowHandle active{};
    int binOpened = 0;
    ShellContext shellContext{shell, boxes, [this] { return title; }, ShellOwner, [] {}};
    DisposalContext context{shellContext, bin, u"ずぼろ", [this] { return active; },
                            [this] { ++binOpened; }};

    std::vector<std::u16string> Deleted() const {
        std::vector<std::u16string> paths;
        for (const auto& call : bin.deletes) paths.push_back(call.path);
        return paths;
    }
    std::vector<std::u16string> Notices() const {
        std::vector<std::u16string> texts;
        for (const auto& box : boxes.plainBoxes) texts.push_back(box.text);
        return texts;
    }
    std::vector<std::u16string> Questions() const {
        std::vector<std::u16string> texts;
        for (const auto& question : boxes.questions) texts.push_back(question.text);
        return texts;
    }
};

TEST(ApplyDropPolicy, ShowsThePolicysBoxesAndSendsUntilTheFirstFailure) {
    constexpr int Yes = BoxAnswer::Yes;
    constexpr int No = BoxAnswer::No;
    struct Case {
        const char* what;
        int policy;
        std::u16string list;
        std::deque<int> answers;
        std::map<std::u16string, DeleteResult> failing;
        std::vector<std::u16string> notices;
        std::vector<std::u16string> questions;
        std::vector<std::u16string> deleted;
        int binOpened;
    };
    const DeleteResult cannotSend{0x7C, false};
    const DeleteResult declinedConfirmation{0, true};
    const Case cases[] = {
        {"refuse",
         DropPolicy::Refuse,
         TwoFiles,
         {},
         {},
         {u"受け取りません。\r\nC:\\a.txt\r\nC:\\b.txt\r\n\r\n"
          u"捨てるものは、「ごみ箱」にお願いします。"},
         {},
         {},
         0},
        {"accept, both sent, Yes opens the bin",
         DropPolicy::Accept,
         TwoFiles,
         {Yes},
         {},
         {},
         {u"受け取りました。\r\nC:\\a.txt\r\nC:\\b.txt\r\n\r\n"
          u"「ごみ箱」に送りました。「ごみ箱」を開きますか？"},
         {u"C:\\a.txt", u"C:\\b.txt"},
         1},
        {"accept, the first file fails: no later file is tried",
         DropPolicy::Accept,
         TwoFiles,
         {Yes},
         {{u"C:\\a.txt", cannotSend}},
         {},
         {u"受け取りました。\r\n\r\n「ごみ箱」に送りました。「ごみ箱」を開きますか？"},
         {u"C:\\a.txt"},
         1},
        {"accept, the same path twice: the second attempt fails",
         DropPolicy::Accept,
         u"C:\\a.txt\r\nC:\\a.txt\r\nC:\\b.txt\r\n",
         {No},
         {},
         {},
         {u"受け取りました。\r\nC:\\a.txt\r\n\r\n「ごみ箱」に送りました。「ごみ箱」を開きますか？"},
         {u"C:\\a.txt", u"C:\\a.txt"},
         0},
        {"accept, the user declines the shell's confirmation of the second file",
         DropPolicy::Accept,
         TwoFiles,
         {No},
         {{u"C:\\b.txt", declinedConfirmation}},
         {},
         {u"受け取りました。\r\nC:\\a.txt\r\n\r\n「ごみ箱」に送りました。「ごみ箱」を開きますか？"},
         {u"C:\\a.txt", u"C:\\b.txt"},
         0},
        {"accept, the open question could not be shown",
         DropPolicy::Accept,
         u"C:\\a.txt\r\n",
         {BoxAnswer::None},
         {},
         {},
         {u"受け取りました。\r\nC:\\a.txt\r\n\r\n「ごみ箱」に送りました。「ごみ箱」を開きますか？"},
         {u"C:\\a.txt"},
         0},
        {"ask each time, No: nothing sent, no second box",
         DropPolicy::AskEachTime,
         TwoFiles,
         {No},
         {},
         {},
         {u"ドラッグ＆ドロップされました。\r\nC:\\a.txt\r\nC:\\b.txt\r\n\r\n受け取りますか？"},
         {},
         0},
        {"ask each time, Yes, both sent, Yes opens the bin",
         DropPolicy::AskEachTime,
         TwoFiles,
         {Yes, Yes},
         {},
         {},
         {u"ドラッグ＆ドロップされました。\r\nC:\\a.txt\r\nC:\\b.txt\r\n\r\n受け取りますか？",
          u"受け取りました。「ごみ箱」に送りました。\r\nC:\\a.txt\r\nC:\\b.txt\r\n\r\n"
          u"「ごみ箱」を開きますか？"},
         {u"C:\\a.txt", u"C:\\b.txt"},
         1},
        {"ask each time, Yes, the first file fails, No keeps the bin closed",
         DropPolicy::AskEachTime,
         TwoFiles,
         {Yes, No},
         {{u"C:\\a.txt", cannotSend}},
         {},
         {u"ドラッグ＆ドロップされました。\r\nC:\\a.txt\r\nC:\\b.txt\r\n\r\n受け取りますか？",
          u"受け取りました。「ごみ箱」に送りました。\r\n\r\n「ごみ箱」を開きますか？"},
         {u"C:\\a.txt"},
         0},
        {"a list without its last line break reads the same",
         DropPolicy::Refuse,
         u"C:\\a.txt\r\nC:\\b.txt",
         {},
         {},
         {u"受け取りません。\r\nC:\\a.txt\r\nC:\\b.txt\r\n\r\n"
          u"捨てるものは、「ごみ箱」にお願いします。"},
         {},
         {},
         0},
        {"no policy selected", NoSelection, TwoFiles, {}, {}, {}, {}, {}, 0},
    };
    for (const Case& c : cases) {
        Disposal disposal;
        disposal.boxes.answers = c.answers;
        disposal.bin.deleteResults = c.failing;
        ApplyDropPolicy(disposal.context, c.policy, c.list);
        EXPECT_EQ(disposal.Notices(), c.notices) << c.what;
        EXPECT_EQ(disposal.Questions(), c.questions) << c.what;
        EXPECT_EQ(disposal.Deleted(), c.deleted) << c.what;
        EXPECT_EQ(disposal.binOpened, c.binOpened) << c.what;
    }
}

TEST(ApplyDropPolicy, QuestionsAreCaptionedWithTheProgramNameAndOwnedByTheActiveWindow) {
    for (const WindowHandle active : {ActiveDialog, WindowHandle{}}) {
        Disposal disposal;
        disposal.active = active;
        disposal.boxes.defaultAnswer = BoxAnswer::Yes;
        ApplyDropPolicy(disposal.context, DropPolicy::AskEachTime, TwoFiles);

        const WindowHandle expectedOwner = active ? active : ShellOwner;
        ASSERT_EQ(disposal.boxes.questions.size(), 2u);
        for (const auto& question : disposal.boxes.questions) {
            EXPECT_EQ(question.owner, expectedOwner);
            EXPECT_EQ(question.caption, u"ずぼろ") << "not the application title of the moment";
            EXPECT_EQ(question.flags, BoxStyle::YesNo) << "Yes and No, no icon, Yes the default";
        }
        for (const auto& call : disposal.bin.deletes) {
            EXPECT_EQ(call.owner, ShellOwner) << "the shell's boxes belong to the shell's owner";
        }
    }
}

TEST(ApplyDropPolicy, TheRefusalIsThePlainNoticeUnderTheTitleOfTheMoment) {
    Disposal disposal;
    ApplyDropPolicy(disposal.context, DropPolicy::Refuse, TwoFiles);
    ASSERT_EQ(disposal.boxes.plainBoxes.size(), 1u);
    EXPECT_EQ(disposal.boxes.plainBoxes[0].caption, disposal.title);
    EXPECT_EQ(disposal.boxes.plainBoxes[0].owner, ShellOwner);
    EXPECT_TRUE(disposal.boxes.plainBoxes[0].fitWidth);
    EXPECT_THAT(disposal.boxes.questions, IsEmpty());
}

}  // namespace
}  // namespace zubolo
