#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeTextCodec.h"
#include "settings/IniFilePath.h"
#include "settings/ProgramSection.h"
#include "settings/SettingsStore.h"

namespace zubolo {
namespace {

using testing::ElementsAre;

const std::u16string Folder = u"C:\\Users\\taro\\AppData\\Roaming\\Quorvane\\Zubolo";
const std::u16string IniPath = Folder + u"\\Zubolo.ini";
const std::u16string Temporary = IniPath + u".tmp";
const std::u16string Program = u"C:\\Tools\\Zubolo.exe";
const std::string OldFile = "[Other]\r\nkeep=1\r\n\r\n[PROGRAM]\r\nVersion=V1.0\r\n\r\n";

class SettingsStoreTest : public testing::Test {
  protected:
    FakeFileSystem files;
    FakeTextCodec latin1;
    SettingsStore store{files, latin1};

    static IniDocument NewSettings() {
        IniDocument document;
        document.WriteString(u"PROGRAM", u"Version", u"V2.0");
        return document;
    }
};

TEST_F(SettingsStoreTest, LoadsTheFileOrAnEmptyDocumentWhenThereIsNone) {
    files.files[IniPath] = "[MODE]\r\nDragDrop=2\r\n";
    const std::optional<IniDocument> loaded = store.Load(IniPath);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->ReadInteger(u"MODE", u"DragDrop", 0), 2);

    EXPECT_EQ(store.Load(u"C:\\nowhere.ini"), IniDocument());
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsNotMistakenForAMissingOne) {
    files.files[IniPath] = OldFile;
    files.unreadableFiles.insert(IniPath);
    EXPECT_EQ(store.Load(IniPath), std::nullopt);

    files.unreadableFiles.clear();
    files.files[IniPath] = std::string(16 * 1024 * 1024 + 1, 'x');
    EXPECT_EQ(store.Load(IniPath), std::nullopt);
}

TEST_F(SettingsStoreTest, WritesToTheUsualPathWhenItsFolderExistsOrCanBeMade) {
    files.folders.insert(Folder);
    EXPECT_EQ(store.PrepareWritePath(IniPath, Program), IniPath);
    EXPECT_TRUE(files.calls.empty());

    files.folders.clear();
    EXPECT_EQ(store.PrepareWritePath(IniPath, Program), IniPath);
    EXPECT_THAT(files.calls, ElementsAre(u"create folder " + Folder + u"\\"));
    EXPECT_TRUE(files.FolderExists(u"C:\\Users\\taro\\AppData\\Roaming\\Quorvane"));
    EXPECT_TRUE(files.FolderExists(Folder));
}

TEST_F(SettingsStoreTest, FallsBackBesideTheProgramWhenTheFolderCannotBeMade) {
    files.folderCreationFails = true;
    EXPECT_EQ(store.PrepareWritePath(IniPath, Program), u"C:\\Tools\\Zubolo.ini");
    // A path without a folder part lies in the current folder, which exists.
    EXPECT_EQ(store.PrepareWritePath(u"Zubolo.ini", Program), u"Zubolo.ini");
}

TEST_F(SettingsStoreTest, SavesThroughATemporaryFileInTheSameFolder) {
    files.files[IniPath] = OldFile;
    ASSERT_TRUE(store.Save(NewSettings(), IniPath));

    EXPECT_EQ(FolderPartOf(Temporary), FolderPartOf(IniPath));
    EXPECT_THAT(files.calls,
                ElementsAre(u"write " + Temporary, u"move " + Temporary + u" > " + IniPath));
    EXPECT_EQ(files.files[IniPath], "[PROGRAM]\r\nVersion=V2.0\r\n\r\n");
    EXPECT_FALSE(files.files.contains(Temporary));
}

TEST_F(SettingsStoreTest, AFailedSaveLeavesTheOldFileAsItWas) {
    struct Failure {
        const char* what;
        std::optional<std::size_t> writeFailsAfter;
        bool moveFails;
    };
    const Failure failures[] = {
        {"disk full after 5 bytes", 5, false},
        {"nothing written", 0, false},
        {"swap refused", std::nullopt, true},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.what);
        files.files = {{IniPath, OldFile}};
        files.writeFailsAfter = failure.writeFailsAfter;
        files.moveFails = failure.moveFails;

        EXPECT_FALSE(store.Save(NewSettings(), IniPath));
        EXPECT_EQ(files.files[IniPath], OldFile);
        EXPECT_FALSE(files.files.contains(Temporary));
    }
}

TEST_F(SettingsStoreTest, ProgramSectionIsRewrittenAfterForeignSections) {
    files.files[IniPath] = OldFile + "[Tail]\r\nx=1\r\n";
    IniDocument document = store.Load(IniPath).value();
    WriteProgramSection(document, {Program, u"V2.0", IniPath, u"2024/03/05 21:07:02"});
    ASSERT_TRUE(store.Save(document, IniPath));

    const std::string expected =
        "[Other]\r\nkeep=1\r\n\r\n[Tail]\r\nx=1\r\n\r\n"
        "[PROGRAM]\r\nName=Zubolo.exe\r\nPath=C:\\Tools\r\nVersion=V2.0\r\n"
        "IniFile=C:\\Users\\taro\\AppData\\Roaming\\Quorvane\\Zubolo\\Zubolo.ini\r\n"
        "LastClose=2024/03/05 21:07:02\r\n\r\n";
    EXPECT_EQ(files.files[IniPath], expected);
}

}  // namespace
}  // namespace zubolo
