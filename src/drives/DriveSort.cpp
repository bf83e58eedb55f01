#include "drives/DriveSort.h"

#include <cstdlib>

namespace zubolo {

namespace {

std::u16string_view SubItem(const DriveRowTexts& row, std::int64_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < row.subItems.size()
               ? std::u16string_view(row.subItems[static_cast<std::size_t>(index)])
               : std::u16string_view();
}

}  // namespace

std::int32_t SortKeyAfterClick(std::int32_t sortKey, int column) {
    const std::int64_t key = sortKey;
    const std::int64_t clicked = static_cast<std::int64_t>(column) + 1;
    // Worked out in 64 bits, so that no key can overflow on the way.
    return static_cast<std::int32_t>(std::llabs(key) == clicked ? -key : clicked);
}

int CompareDriveRows(std::int32_t sortKey, const DriveRowTexts& row1, const DriveRowTexts& row2,
                     const Locale& locale) {
    if (sortKey == 0) return 0;
    const std::int64_t key = std::llabs(static_cast<std::int64_t>(sortKey));
    int result = 0;
    if (key == 1) {
        result = locale.CompareText(row1.caption, row2.caption);
    } else {
        const std::u16string_view a = SubItem(row1, key - 2);
        const std::u16string_view b = SubItem(row2, key - 2);
        if (a.size() != b.size()) {
            result = a.size() > b.size() ? 2 : -2;
        } else {
            result = a > b ? 2 : -2;
        }
    }
    return sortKey < 0 ? -result : result;
}

}  // namespace zubolo
