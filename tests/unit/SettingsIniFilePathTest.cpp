#include <gtest/gtest.h>

#include <string_view>

#include "fakes/FakeKnownPaths.h"
#include "settings/IniFilePath.h"

namespace zubolo {
namespace {

struct JoinCase {
    std::u16string_view first;
    std::u16string_view second;
    std::u16string_view expected;
};

TEST(SettingsIniFilePathTest, JoinsPathsByTheirShape) {
    const JoinCase cases[] = {
        {u"C:\\Data", u"Quorvane", u"C:\\Data\\Quorvane"},
        {u"C:\\Data\\", u"Quorvane", u"C:\\Data\\Quorvane"},
        {u"C:\\Data/", u"Quorvane", u"C:\\Data/Quorvane"},
        {u"", u"Quorvane", u"Quorvane"},
        {u"C:\\Data", u"D:\\Other", u"D:\\Other"},
        {u"C:\\Data", u"\\\\server\\share", u"\\\\server\\share"},
        {u"C:\\Data", u"/root", u"/root"},
        {u"C:", u"Quorvane", u"C:\\Quorvane"},
    };
    for (const JoinCase& c : cases) {
        EXPECT_EQ(JoinPath(c.first, c.second), c.expected)
            << testing::PrintToString(std::u16string(c.first)) << " + "
            << testing::PrintToString(std::u16string(c.second));
    }
}

struct ProgramPathCase {
    std::u16string_view programPath;
    std::u16string_view programName;
    std::u16string_view fallback;
};

TEST(SettingsIniFilePathTest, NamesTheProgramAndTheFileBesideIt) {
    const ProgramPathCase cases[] = {
        {u"C:\\Tools\\Zubolo.exe", u"Zubolo", u"C:\\Tools\\Zubolo.ini"},
        {u"C:\\Tools\\my.app.exe", u"my.app", u"C:\\Tools\\my.app.ini"},
        {u"C:\\v1.2\\Zubolo", u"Zubolo", u"C:\\v1.2\\Zubolo.ini"},
        {u"C:/Tools/Zubolo.EXE", u"Zubolo", u"C:/Tools/Zubolo.ini"},
        {u"Zubolo.exe", u"Zubolo", u"Zubolo.ini"},
    };
    for (const ProgramPathCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.programPath)));
        EXPECT_EQ(ProgramNameOf(c.programPath), c.programName);
        EXPECT_EQ(FallbackIniFilePath(c.programPath), c.fallback);
    }
}

TEST(SettingsIniFilePathTest, SplitsFolderAndFileName) {
    EXPECT_EQ(FolderPartOf(u"C:\\Tools\\Zubolo.exe"), u"C:\\Tools\\");
    EXPECT_EQ(FolderOf(u"C:\\Tools\\Zubolo.exe"), u"C:\\Tools");
    EXPECT_EQ(FileNameOf(u"C:\\Tools\\Zubolo.exe"), u"Zubolo.exe");
    EXPECT_EQ(FolderOf(u"C:\\Zubolo.exe"), u"C:");
    EXPECT_EQ(FolderPartOf(u"Zubolo.ini"), u"");
    EXPECT_EQ(FolderOf(u"Zubolo.ini"), u"");
}

TEST(SettingsIniFilePathTest, PutsTheFileInTheMakersFolderUnderApplicationData) {
    FakeKnownPaths paths;
    EXPECT_EQ(GetIniFilePath(paths),
              u"C:\\Users\\taro\\AppData\\Roaming\\Quorvane\\Zubolo\\Zubolo.ini");

    paths.appData = u"C:\\Users\\taro\\AppData\\Roaming\\";
    paths.program = u"D:\\ずぼろ\\ずぼろ.exe";
    EXPECT_EQ(GetIniFilePath(paths),
              u"C:\\Users\\taro\\AppData\\Roaming\\Quorvane\\ずぼろ\\ずぼろ.ini");

    // Without an application-data folder the path is relative to the current folder.
    paths.appData.clear();
    EXPECT_EQ(GetIniFilePath(paths), u"Quorvane\\ずぼろ\\ずぼろ.ini");
}

}  // namespace
}  // namespace zubolo
