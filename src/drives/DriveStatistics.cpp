#include "drives/DriveStatistics.h"

#include "drives/DriveRows.h"

namespace zubolo {

namespace {

constexpr std::u16string_view NoShare = u"0%";
constexpr std::u16string_view NoAnswer = u"-";

}  // namespace

DriveFigures ReadDriveFigures(std::u16string_view caption, Drives& drives, RecycleBin& bin,
                              const NumberSeparators& separators) {
    const DiskSpace space = drives.Space(DiskRoot(caption));
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

    const RecycleBinQuery own = bin.Query(std::u16string(caption));
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

    const RecycleBinQuery whole = bin.Query(std::nullopt);
    if (whole.ok) {
        figures.wholeBinText = RecycleBinText(whole.itemCount, whole.totalSize, separators);
        figures.wholeBinFull = whole.itemCount != 0;
        figures.lastItemCount = whole.itemCount;
    } else {
        figures.lastItemCount = own.itemCount;
    }
    return figures;
}

}  // namespace zubolo
