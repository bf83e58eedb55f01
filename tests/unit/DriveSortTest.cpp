#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "drives/DriveSort.h"
#include "fakes/FakeLocale.h"

namespace zubolo {
namespace {

struct Row {
    std::u16string caption;
    std::vector<std::u16string> subItems;
    DriveRowTexts Texts() const { return {caption, subItems}; }
};

// A row whose column `column` (1 to 5) reads `text`.
Row RowWith(int column, std::u16string text) {
    Row row{u"C:", {u"1", u"1", u"1.0%", u"(0) 0", u"0.00%"}};
    row.subItems[static_cast<std::size_t>(column - 1)] = std::move(text);
    return row;
}

struct CompareCase {
    const char* what;
    std::int32_t sortKey;
    Row row1, row2;
    int expected;
};

TEST(DriveSort, RowsCompareByLengthFirstThenCodeUnitsAndNeverEqual) {
    const CompareCase cases[] = {
        {"no order chosen", 0, RowWith(1, u"5"), RowWith(1, u"1"), 0},
        {"a shorter total first", 2, RowWith(1, u"999,999"), RowWith(1, u"1,000,000"), -2},
        {"descending turns it round", -2, RowWith(1, u"999,999"), RowWith(1, u"1,000,000"), 2},
        {"same length: code units", 2, RowWith(1, u"512"), RowWith(1, u"256"), 2},
        {"identical texts: the first counts as smaller", 2, RowWith(1, u"7"), RowWith(1, u"7"), -2},
        {"identical texts, descending", -2, RowWith(1, u"7"), RowWith(1, u"7"), 2},
        {"the bin column: (10) 5,000 is shorter", 5, RowWith(4, u"(3) 1,048,576"),
         RowWith(4, u"(10) 5,000"), 2},
        {"a bin that did not answer comes first", 5, RowWith(4, u"-"), RowWith(4, u"(0) 0"), -2},
        {"and last in descending order", -5, RowWith(4, u"-"), RowWith(4, u"(0) 0"), 2},
        {"the share of the bin", 6, RowWith(5, u"10.00%"), RowWith(5, u"9.50%"), 2},
        {"captions by the user's language", 1, Row{u"C:", {}}, Row{u"D:", {}}, -1},
        {"captions, descending", -1, Row{u"C:", {}}, Row{u"D:", {}}, 1},
        {"equal captions are equal", 1, Row{u"C:", {}}, Row{u"C:", {}}, 0},
        {"a row without the column reads empty", 3, Row{u"C:", {}}, RowWith(2, u"5"), -2},
    };
    const FakeLocale locale;
    for (const CompareCase& c : cases) {
        EXPECT_EQ(CompareDriveRows(c.sortKey, c.row1.Texts(), c.row2.Texts(), locale), c.expected)
            << c.what;
    }
}

TEST(DriveSort, AHeaderClickSortsAscendingAndTheSameHeaderAgainReverses) {
    std::int32_t key = 0;
    std::vector<std::int32_t> keys;
    for (int column : {1, 1, 1, 4, 0, 0}) {
        key = SortKeyAfterClick(key, column);
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::int32_t>{2, -2, 2, 5, 1, -1}));
    EXPECT_EQ(SortKeyAfterClick(INT32_MIN, 3), 4) << "no overflow from a key out of range";
}

}  // namespace
}  // namespace zubolo
