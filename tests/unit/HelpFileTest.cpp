#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/HelpFile.h"
#include "unit/FormFixture.h"

namespace zubolo {
namespace {

TEST(HelpFileTest, FolderPartKeepsADrivesRootAndEndsAtARoot) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"C:\\Tools\\Zubolo\\Zubolo.chm", u"C:\\Tools\\Zubolo"},
        {u"C:\\Tools", u"C:\\"},
        {u"C:\\Zubolo.chm", u"C:\\"},
        {u"C:\\", u""},
        {u"\\\\server\\share\\Tools", u"\\\\server\\share"},
        {u"\\\\server\\share\\Zubolo.chm", u"\\\\server\\share"},
        {u"\\\\server\\share", u""},
        {u"D:/Portable/Zubolo.chm", u"D:/Portable"},
        {u"Zubolo.chm", u""},
        {u"", u""},
    };
    for (const auto& [path, folder] : cases) {
        EXPECT_EQ(FolderPart(path), folder) << std::string(path.begin(), path.end());
    }
}

struct CandidatesCase {
    const char* what;
    std::u16string program;
    std::vector<std::u16string> candidates;
};

TEST(HelpFileTest, TheHelpFileIsLookedForBesideTheProgramThenInEachEnclosingFolder) {
    const CandidatesCase cases[] = {
        {"in a folder two levels down",
         u"C:\\Tools\\Zubolo\\Zubolo.exe",
         {u"C:\\Tools\\Zubolo\\Zubolo.chm", u"C:\\Tools\\Zubolo.chm", u"C:\\Zubolo.chm"}},
        {"in a drive's root", u"C:\\Zubolo.exe", {u"C:\\Zubolo.chm"}},
        {"another program name",
         u"C:\\Tools\\Other.exe",
         {u"C:\\Tools\\Other.chm", u"C:\\Other.chm"}},
        {"a name with two full stops", u"C:\\Zubolo.v2.exe", {u"C:\\Zubolo.v2.chm"}},
        {"a name without extension in a folder with a full stop",
         u"C:\\My.Tools\\Zubolo",
         {u"C:\\My.Tools\\Zubolo.chm", u"C:\\Zubolo.chm"}},
        {"on a network share",
         u"\\\\server\\share\\Tools\\Zubolo.exe",
         {u"\\\\server\\share\\Tools\\Zubolo.chm", u"\\\\server\\share\\Zubolo.chm"}},
        {"with forward slashes",
         u"D:/Portable/Zubolo.exe",
         {u"D:/Portable/Zubolo.chm", u"D:/Zubolo.chm"}},
        {"no path at all", u"", {u".chm"}},
    };
    for (const CandidatesCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(HelpFileCandidates(c.program), c.candidates);
    }
}

constexpr WindowHandle MainWindow{0x4242};

struct HelpCommand : FormTest {
    HelpCommand() {
        form.SetHandle(MainWindow);
        app.SetTitle(u"ずぼろ");
        fakes.paths.program = u"C:\\Tools\\Zubolo\\Zubolo.exe";
    }

    std::vector<std::u16string> Opened() const {
        std::vector<std::u16string> files;
        for (const auto& call : fakes.shell.openCalls) files.push_back(call.file);
        return files;
    }
};

TEST_F(HelpCommand, TheNearestHelpFileOpensInQuotes) {
    fakes.files.files[u"C:\\Tools\\Zubolo.chm"] = "";
    fakes.files.files[u"C:\\Zubolo.chm"] = "";
    form.ButtonHelpClick();
    EXPECT_EQ(Opened(), std::vector<std::u16string>{u"\"C:\\Tools\\Zubolo.chm\""});

    fakes.files.files[u"C:\\Tools\\Zubolo\\Zubolo.chm"] = "";
    form.ButtonHelpClick();
    EXPECT_EQ(Opened().back(), u"\"C:\\Tools\\Zubolo\\Zubolo.chm\"");
    EXPECT_TRUE(fakes.boxes.plainBoxes.empty());
}

TEST_F(HelpCommand, NoHelpFileAnywhereNamesTheFileInTheNoticeBox) {
    fakes.paths.program = u"C:\\Tools\\Other.exe";
    fakes.files.folders.insert(u"C:\\Tools\\Other.chm");  // a folder is no help file

    form.ButtonHelpClick();

    EXPECT_TRUE(Opened().empty());
    ASSERT_EQ(fakes.boxes.plainBoxes.size(), 1u);
    EXPECT_EQ(fakes.boxes.plainBoxes[0].text, u"HelpFile Not Found.\r\n\r\nOther.chm");
    EXPECT_EQ(fakes.boxes.plainBoxes[0].caption, u"ずぼろ");
    EXPECT_EQ(fakes.boxes.plainBoxes[0].owner, MainWindow);
}

TEST_F(HelpCommand, AHelpFileTheShellCannotOpenEndsTheFailureWithItsQuotedPath) {
    fakes.files.files[u"C:\\Zubolo.chm"] = "";
    fakes.shell.openResult = 31;
    fakes.shell.systemTexts[31] = u"No application is associated.\r\n";

    form.ButtonHelpClick();

    ASSERT_EQ(fakes.boxes.plainBoxes.size(), 1u);
    EXPECT_EQ(fakes.boxes.plainBoxes[0].text,
              u"Open Failed 31\r\nNo application is associated\r\n\"C:\\Zubolo.chm\"");
}

}  // namespace
}  // namespace zubolo
