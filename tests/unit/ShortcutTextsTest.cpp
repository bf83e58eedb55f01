#include <gtest/gtest.h>

#include <string>

#include "shell/ErrorReport.h"
#include "shortcuts/ShortcutTexts.h"

namespace zubolo {
namespace {

TEST(ShortcutTexts, DescriptionIsTheTimeWithTheUsersSeparatorsAndTheProgramFileName) {
    struct Case {
        LocalDateTime now;
        std::u16string dateSeparator;
        std::u16string timeSeparator;
        std::u16string programPath;
        std::u16string expected;
    };
    const Case cases[] = {
        {{2025, 3, 1, 9, 5, 7, 0},
         u"/",
         u":",
         u"C:\\Tools\\Zubolo.exe",
         u"2025/03/01 09:05:07 Created by Zubolo V2.0"},
        {{2024, 12, 31, 23, 59, 59, 999},
         u"-",
         u".",
         u"D:\\ずぼろ\\Zubolo.v2.exe",
         u"2024-12-31 23.59.59 Created by Zubolo.v2 V2.0"},
        {{2025, 3, 1, 0, 0, 0, 0},
         u"/",
         u":",
         u"C:\\Program Files.x\\Zubolo",
         u"2025/03/01 00:00:00 Created by Zubolo V2.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.programPath.begin(), c.programPath.end()));
        EXPECT_EQ(
            ShortcutDescription(c.now, c.dateSeparator, c.timeSeparator, c.programPath, u"V2.0"),
            c.expected);
    }
}

TEST(ShortcutTexts, TargetIsQuotedWithInnerQuotesDoubled) {
    EXPECT_EQ(QuotedTarget(u"C:\\Program Files\\Zubolo.exe"), u"\"C:\\Program Files\\Zubolo.exe\"");
    EXPECT_EQ(QuotedTarget(u"a\"b"), u"\"a\"\"b\"");
}

TEST(ErrorReport, AFullStopFollowsATextThatEndsAboveTheFullStop) {
    struct Case {
        std::u16string text;
        std::u16string shown;
    };
    const Case cases[] = {
        {u"Access is denied", u"Access is denied."},
        {u"HRESULT=-5", u"HRESULT=-5."},
        {u"path/", u"path/."},
        {u"Done.", u"Done."},
        {u"x-", u"x-"},
        {u"HRESULT=1\r\n", u"HRESULT=1\r\n"},
        {u"アクセスが拒否されました", u"アクセスが拒否されました."},
        {u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorReportText(c.text), c.shown);
    }
}

}  // namespace
}  // namespace zubolo
