#include "drives/DriveStatistics.h"

#include "drives/DriveRows.h"

namespace zubolo {

namespace {

constexpr std::u16string_view NoShare = u"0%";
constexpr std::u16string_view NoAnswer = u"-";

// Each row asks two questions: its drive's size, then its own bin.
constexpr std::size_t QuestionsPerRow = 2;

DriveFigures ReadDriveFigures(const DiskSpace& space, const RecycleBinQuery& own,
                              const RecycleBinQuery& whole, const NumberSeparators& separators) {
    const std::int64_t total = space.totalBytes > 0 ? space.totalBytes : 0;
    // Unsigned arithmetic: free space the system reports beyond any sense wraps instead of
    // overflowing.
    const std::int64_t used =
        total > 0 ? static_cast<std::int64_t>(static_cast<std::uint64_t>(total) -
                                              static_cast<std::uint64_t>(space.freeBytesForCaller))
                  : 0;

    DriveFigures figures;
    figures.texts[0] = FormatGrouped(static_cast<double>(total), separators);
    figures.texts[1] = FormatGrouped(static_cast<double>(used), separators);
    figures.texts[2] =
        total == 0 ? std::u16string(NoShare)
                   : FormatPercent(static_cast<double>(used) / static_cast<double>(total) * 100.0,
                                   1, separators);

    if (!own.ok) {
        figures.texts[3] = NoAnswer;
        figures.texts[4] = NoAnswer;
        return figures;
    }
    figures.texts[3] = RecycleBinText(own.itemCount, own.totalSize, separators);
    figures.texts[4] =
        total == 0
            ? std::u16string(NoShare)
            : FormatPercent(static_cast<double>(own.totalSize) / static_cast<double>(total) * 100.0,
                            2, separators);

    if (whole.ok) {
        figures.wholeBinText = RecycleBinText(whole.itemCount, whole.totalSize, separators);
        figures.wholeBinFull = whole.itemCount != 0;
        figures.lastItemCount = whole.itemCount;
    } else {
        figures.lastItemCount = own.itemCount;
    }
    return figures;
}

}  // namespace

std::vector<DiskQuestion> DriveTableQuestions(const std::vector<std::u16string>& captions) {
    std::vector<DiskQuestion> questions;
    for (const std::u16string& caption : captions) {
        questions.push_back({DiskQuestion::Kind::Space, DiskRoot(caption)});
        questions.push_back({DiskQuestion::Kind::RecycleBin, caption});
    }
    if (!captions.empty()) questions.push_back({DiskQuestion::Kind::RecycleBin, std::nullopt});
    return questions;
}

std::vector<DriveFigures> ReadDriveTable(std::size_t rows, const std::vector<DiskAnswer>& answers,
                                         const NumberSeparators& separators) {
    std::vector<DriveFigures> figures;
    if (rows == 0 || answers.size() != rows * QuestionsPerRow + 1) return figures;
    const RecycleBinQuery& whole = answers.back().bin;
    for (std::size_t row = 0; row < rows; ++row) {
        const std::size_t first = row * QuestionsPerRow;
        figures.push_back(
            ReadDriveFigures(answers[first].space, answers[first + 1].bin, whole, separators));
    }
    return figures;
}

}  // namespace zubolo
