#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Locale.h"

namespace zubolo {

// The drive list's own state, kept for the run only.
struct DriveListState {
    // The sort key: 0 no order chosen; +k ascending by column k - 1; -k descending by it.
    std::int32_t ListViewSortCol = 0;
};

// The sort key after a click on the header of the column at `column` (from 0): the column of the
// key reverses the direction, any other sorts ascending by itself.
std::int32_t SortKeyAfterClick(std::int32_t sortKey, int column);

// What the comparison reads of a row: its caption and the texts of columns 1 to 5.
struct DriveRowTexts {
    std::u16string_view caption;
    std::span<const std::u16string> subItems;
};

// Orders two rows under the sort key; negative puts `row1` first. Captions go by the user's
// language. The figure columns compare by length first and then code unit by code unit, so that
// numbers written with the same pattern sort by value and "-" comes before every figure; two
// rows are never equal there: the first counts as the smaller.
int CompareDriveRows(std::int32_t sortKey, const DriveRowTexts& row1, const DriveRowTexts& row2,
                     const Locale& locale);

}  // namespace zubolo
