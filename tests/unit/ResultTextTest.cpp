#include <gtest/gtest.h>

#include "fakes/FakeShell.h"
#include "shell/ResultText.h"

namespace zubolo {
namespace {

TEST(TrimSystemTextTest, RemovesTrailingFullStopsAndCharactersUpToBlank) {
    struct Case {
        std::u16string_view text;
        std::u16string_view trimmed;
    };
    const Case cases[] = {
        {u"The system cannot find the file specified.\r\n",
         u"The system cannot find the file specified"},
        {u"No application is associated. \r\n", u"No application is associated"},
        {u"Version 1.2 is not supported. .\t\x01\r\n", u"Version 1.2 is not supported"},
        {u"Stop!\r\n", u"Stop!"},
        {u"指定されたファイルが見つかりません。\r\n", u"指定されたファイルが見つかりません。"},
        {u"  .leading text", u"  .leading text"},
        {u".\r\n", u""},
        {u" .", u""},
        {u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrimSystemText(c.text), c.trimmed);
    }
}

TEST(ResultCodeTextTest, ShowsCodeAsSignedDecimalThenTrimmedSystemText) {
    FakeShell shell;
    shell.systemTexts[0x80070005u] = u"Access is denied.\r\n";
    shell.systemTexts[2] = u"The system cannot find the file specified.\r\n";

    EXPECT_EQ(ResultCodeText(shell, static_cast<std::int32_t>(0x80070005u)),
              u"-2147024891\r\nAccess is denied");
    EXPECT_EQ(ResultCodeText(shell, 2), u"2\r\nThe system cannot find the file specified");
    EXPECT_EQ(shell.systemTextCalls, (std::vector<std::uint32_t>{0x80070005u, 2}));
}

TEST(ResultCodeTextTest, CodeWithoutSystemTextLeavesSecondLineEmpty) {
    FakeShell shell;
    EXPECT_EQ(ResultCodeText(shell, 31), u"31\r\n");
}

}  // namespace
}  // namespace zubolo
