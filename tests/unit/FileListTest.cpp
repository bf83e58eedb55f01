#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "disposal/CommandLine.h"
#include "disposal/FileList.h"

namespace zubolo {
namespace {

using Paths = std::vector<std::u16string>;

TEST(FileList, EveryPathEndsInALineBreakAndSplitsBackInOrder) {
    struct Case {
        Paths paths;
        std::u16string text;
    };
    const Case cases[] = {
        {{}, u""},
        {{u"C:\\a.txt"}, u"C:\\a.txt\r\n"},
        {{u"C:\\b.txt", u"C:\\a.txt", u"C:\\b.txt"}, u"C:\\b.txt\r\nC:\\a.txt\r\nC:\\b.txt\r\n"},
        {{u"C:\\ごみ\\ファイル 1.txt"}, u"C:\\ごみ\\ファイル 1.txt\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileListText(c.paths), c.text);
        EXPECT_EQ(SplitFileList(c.text), c.paths);
    }
    EXPECT_EQ(SplitFileList(u"C:\\a.txt\r\nC:\\b.txt"), (Paths{u"C:\\a.txt", u"C:\\b.txt"}))
        << "the last line break is optional";
}

TEST(CommandLineArguments, BlanksSeparateAndQuotesGroupWithoutEscapes) {
    struct Case {
        const char16_t* commandLine;
        Paths arguments;
    };
    const Case cases[] = {
        {u"", {}},
        {u"Zubolo.exe", {}},
        {u"\"C:\\Program Files\\Zubolo\\Zubolo.exe\"  ", {}},
        {u"\"C:\\Program Files\\Zubolo\\Zubolo.exe\" C:\\a.txt", {u"C:\\a.txt"}},
        {u"Zubolo.exe  C:\\a.txt\tC:\\b.txt ", {u"C:\\a.txt", u"C:\\b.txt"}},
        {u"Zubolo.exe \"C:\\My Files\\a b.txt\" C:\\c.txt",
         {u"C:\\My Files\\a b.txt", u"C:\\c.txt"}},
        {u"Zubolo.exe C:\\My\" \"Files\\x.txt", {u"C:\\My Files\\x.txt"}},
        {u"Zubolo.exe \"C:\\Old Folder\\\" C:\\c.txt", {u"C:\\Old Folder\\", u"C:\\c.txt"}},
        {u"Zubolo.exe \"C:\\unclosed quote\\a b", {u"C:\\unclosed quote\\a b"}},
        {u"Zubolo.exe \"\" C:\\a.txt \"\"", {u"C:\\a.txt"}},
        {u"\"\" C:\\a.txt", {u"C:\\a.txt"}},
        {u"Zubolo.exe C:\\ごみ箱行き\\ファイル.txt", {u"C:\\ごみ箱行き\\ファイル.txt"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(CommandLineArguments(cases[i].commandLine), cases[i].arguments) << "case " << i;
    }
}

}  // namespace
}  // namespace zubolo
