#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fakes/FakeFileSystem.h"
#include "mainwindow/ZuboloForm.h"
#include "privatebins/PrivateBins.h"
#include "unit/FormFixture.h"

namespace zubolo {
namespace {

constexpr WindowHandle MainWindow{0x4242};
const std::u16string Desktop = u"C:\\Users\\taro\\Desktop\\";
const std::u16string Suffix = u" .{645FF040-5081-101B-9F08-00AA002F954E}";

std::u16string Bin(std::u16string_view number) {
    return Desktop + u"ごみ箱" + std::u16string(number) + Suffix;
}

TEST(MakePrivateBinPath, TakesTheFirstNumberWithoutAFolder) {
    struct Case {
        const char* name;
        std::set<std::u16string> folders;
        std::set<std::u16string> files;
        std::u16string expected;
    };
    std::set<std::u16string> oneToNine;
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) oneToNine.insert(Bin({&digit, 1}));
    const Case cases[] = {
        {"none yet", {}, {}, Bin(u"1")},
        {"after 1 and 2", {Bin(u"1"), Bin(u"2")}, {}, Bin(u"3")},
        {"1 deleted again", {Bin(u"2"), Bin(u"3")}, {}, Bin(u"1")},
        {"a file does not count", {}, {Bin(u"1")}, Bin(u"1")},
        {"a name without the suffix does not count", {Desktop + u"ごみ箱1"}, {}, Bin(u"1")},
        {"10 after 9", oneToNine, {}, Bin(u"10")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFileSystem files;
        files.folders = c.folders;
        for (const auto& file : c.files) files.files[file] = "";
        EXPECT_EQ(MakePrivateBinPath(files, Desktop, u"ごみ箱"), c.expected);
    }
}

struct AddPrivateBin : FormTest {
    AddPrivateBin() {
        form.SetHandle(MainWindow);
        app.SetTitle(u"(3) 1,024");
        form.StatusBar1.SetPanelText(1, u"(5) 2,048");
        fakes.shell.folderPaths[Csidl::Desktop] = Desktop;
    }
};

TEST_F(AddPrivateBin, CreatesTheNextBinAndNamesItsDisplayPart) {
    fakes.files.folders = {Bin(u"1")};

    form.ButtonAddRbClick();

    EXPECT_TRUE(fakes.files.FolderExists(Bin(u"2")));
    ASSERT_EQ(fakes.boxes.plainBoxes.size(), 1u);
    const auto& notice = fakes.boxes.plainBoxes[0];
    EXPECT_EQ(notice.text, u"デスクトップに追加しました\u3000ごみ箱2 ");
    EXPECT_EQ(notice.caption, u"ずぼろ");
    EXPECT_EQ(notice.owner, MainWindow);
    EXPECT_FALSE(notice.fitWidth);
    EXPECT_EQ(app.Title(), u"(5) 2,048");
}

TEST_F(AddPrivateBin, ReportsAFolderThatCannotBeMade) {
    struct Case {
        const char* name;
        bool desktopHasAPath;
        bool fileInTheWay;
        bool creationFails;
    };
    const Case cases[] = {
        {"a file in the way", true, true, false},
        {"no rights", true, false, true},
        // The root of the current drive is no place for it.
        {"no Desktop folder", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormOnFakes f;
        f.form.StatusBar1.SetPanelText(1, u"(5) 2,048");
        if (c.desktopHasAPath) f.fakes.shell.folderPaths[Csidl::Desktop] = Desktop;
        if (c.fileInTheWay) f.fakes.files.files[Bin(u"1")] = "";
        f.fakes.files.folderCreationFails = c.creationFails;

        f.form.ButtonAddRbClick();

        EXPECT_TRUE(f.fakes.files.folders.empty());
        ASSERT_EQ(f.fakes.boxes.plainBoxes.size(), 1u);
        EXPECT_EQ(f.fakes.boxes.plainBoxes[0].text, u"新規追加できませんでした");
        EXPECT_EQ(f.fakes.boxes.plainBoxes[0].caption, u"ずぼろ");
        EXPECT_FALSE(f.fakes.boxes.plainBoxes[0].fitWidth);
        EXPECT_EQ(f.app.Title(), u"(5) 2,048");
    }
}

}  // namespace
}  // namespace zubolo
