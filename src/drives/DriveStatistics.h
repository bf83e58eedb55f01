#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/NumberPattern.h"
#include "platform/DiskQueries.h"

namespace zubolo {

// Columns 1 to 5 of a drive row: total size, space in use, share in use, the drive's own bin
// (items and bytes) and the share of the drive that bin takes.
inline constexpr std::size_t DriveFigureColumns = 5;

// What one row's refresh found.
struct DriveFigures {
    std::array<std::u16string, DriveFigureColumns> texts;
    // The whole bin's text for status panel 1 and the application title, and whether the bin
    // holds anything: present when the whole bin answered after the drive's own bin did.
    std::optional<std::u16string> wholeBinText;
    bool wholeBinFull = false;
    // The item count that the monitor takes as its last one from this row: the whole bin's, or the
    // drive's own when the whole bin did not answer; nothing when the drive's bin did not answer.
    std::optional<std::uint64_t> lastItemCount;
};

// The questions of one refresh of the drive table, for the rows with `captions` in that order:
// each row's drive size and its own bin, then the whole bin once.
std::vector<DiskQuestion> DriveTableQuestions(const std::vector<std::u16string>& captions);

// The figures of each of `rows` rows from the answers to their DriveTableQuestions; nothing when
// the answers do not fit the questions. A size that cannot be read counts as 0 and the shares of
// a drive of size 0 read "0%"; a drive whose bin does not answer shows "-" for the bin and its
// share, and takes nothing from the whole bin.
std::vector<DriveFigures> ReadDriveTable(std::size_t rows, const std::vector<DiskAnswer>& answers,
                                         const NumberSeparators& separators);

}  // namespace zubolo
