#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "drives/DriveStatistics.h"
#include "fakes/FakeRecycleBin.h"

namespace zubolo {
namespace {

using Texts = std::array<std::u16string, DriveFigureColumns>;

const NumberSeparators CommaPoint{u",", u"."};
const RecycleBinQuery BinFails{false, FakeRecycleBin::Failure, 0, 0};

// The figures of a table of one row whose drive, own bin and whole bin answer so.
DriveFigures ReadRow(const DiskSpace& space, const RecycleBinQuery& own,
                     const RecycleBinQuery& whole, const NumberSeparators& separators) {
    const std::vector<DriveFigures> table =
        ReadDriveTable(1, {{{}, space}, {own, {}}, {whole, {}}}, separators);
    return table.empty() ? DriveFigures{} : table.front();
}

struct RowCase {
    const char* what;
    DiskSpace space;
    RecycleBinQuery own;
    NumberSeparators separators;
    Texts texts;
};

TEST(DriveStatistics, RowTextsFollowTheSizesAndTheDrivesBin) {
    const RowCase cases[] = {
        {"half used, three items in the bin",
         {512110190592, 256055095296},
         {true, 0, 3, 1048576},
         CommaPoint,
         {u"512,110,190,592", u"256,055,095,296", u"50.0%", u"(3) 1,048,576", u"0.00%"}},
        {"an empty bin",
         {1000, 250},
         {true, 0, 0, 0},
         CommaPoint,
         {u"1,000", u"750", u"75.0%", u"(0) 0", u"0.00%"}},
        {"shares round halves away from zero",
         {1600, 1500},
         {true, 0, 1, 100},
         CommaPoint,
         {u"1,600", u"100", u"6.3%", u"(1) 100", u"6.25%"}},
        {"a drive of size 0 shows no quotient",
         {0, 0},
         {true, 0, 2, 300},
         CommaPoint,
         {u"0", u"0", u"0%", u"(2) 300", u"0%"}},
        {"a size that cannot be read counts as 0",
         {-1, -1},
         {true, 0, 1, 10},
         CommaPoint,
         {u"0", u"0", u"0%", u"(1) 10", u"0%"}},
        {"a bin that does not answer",
         {1000, 500},
         BinFails,
         CommaPoint,
         {u"1,000", u"500", u"50.0%", u"-", u"-"}},
        {"the user's separators",
         {512110190592, 256055095296},
         {true, 0, 1234, 5678901},
         {u".", u","},
         {u"512.110.190.592", u"256.055.095.296", u"50,0%", u"(1.234) 5.678.901", u"0,00%"}},
        {"free space beyond the total wraps instead of overflowing",
         {INT64_MAX, -1},
         {true, 0, 0, 0},
         CommaPoint,
         {u"9,223,372,036,854,775,808", u"-9,223,372,036,854,775,808", u"-100.0%", u"(0) 0",
          u"0.00%"}},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadRow(c.space, c.own, {true, 0, 0, 0}, c.separators).texts, c.texts);
    }
}

TEST(DriveStatistics, EachRowAsksItsSizeAndItsBinThenTheWholeBinIsAskedOnce) {
    using Kind = DiskQuestion::Kind;
    EXPECT_EQ(DriveTableQuestions({u"E:", u"D:"}),
              (std::vector<DiskQuestion>{{Kind::Space, u"E:\\"},
                                         {Kind::RecycleBin, u"E:"},
                                         {Kind::Space, u"D:\\"},
                                         {Kind::RecycleBin, u"D:"},
                                         {Kind::RecycleBin, std::nullopt}}));
    // The size is asked at the root of the caption's first character, even of an odd caption.
    EXPECT_EQ(DriveTableQuestions({u""}).front(), (DiskQuestion{Kind::Space, u":\\"}));
    EXPECT_TRUE(DriveTableQuestions({}).empty());
}

TEST(DriveStatistics, AnswersThatDoNotFitTheQuestionsFillInNothing) {
    const std::vector<DiskAnswer> twoRows(5);
    EXPECT_EQ(ReadDriveTable(2, twoRows, CommaPoint).size(), 2u);
    EXPECT_TRUE(ReadDriveTable(1, twoRows, CommaPoint).empty());
    EXPECT_TRUE(ReadDriveTable(3, twoRows, CommaPoint).empty());
    EXPECT_TRUE(ReadDriveTable(0, {}, CommaPoint).empty());
}

struct WholeBinCase {
    const char* what;
    RecycleBinQuery own;
    RecycleBinQuery whole;
    std::optional<std::u16string> wholeBinText;
    bool full;
    std::optional<std::uint64_t> lastItemCount;
};

TEST(DriveStatistics, TheWholeBinCountsOnlyWhereTheDrivesOwnBinAnswers) {
    const WholeBinCase cases[] = {
        {"both answer",
         {true, 0, 3, 30},
         {true, 0, 1234, 5678901},
         u"(1,234) 5,678,901",
         true,
         1234},
        {"an empty whole bin", {true, 0, 0, 0}, {true, 0, 0, 0}, u"(0) 0", false, 0},
        {"the whole bin fails: the drive's count",
         {true, 0, 3, 30},
         {false, 1, 9, 9},
         std::nullopt,
         false,
         3},
        {"the drive's bin fails: nothing from the whole bin",
         BinFails,
         {true, 0, 7, 70},
         std::nullopt,
         false,
         std::nullopt},
    };
    for (const WholeBinCase& c : cases) {
        SCOPED_TRACE(c.what);
        const DriveFigures figures = ReadRow({1000, 500}, c.own, c.whole, CommaPoint);
        EXPECT_EQ(figures.wholeBinText, c.wholeBinText);
        EXPECT_EQ(figures.wholeBinFull, c.full);
        EXPECT_EQ(figures.lastItemCount, c.lastItemCount);
    }
}

}  // namespace
}  // namespace zubolo
