#include "drives/DriveMenu.h"

namespace zubolo {

namespace {

constexpr std::u16string_view ResumeLinkage = u"連携を再開";
constexpr std::u16string_view RefreshTable = u"最新の情報に更新";

}  // namespace

std::u16string DriveBinFolder(std::u16string_view caption) {
    return std::u16string(caption) + u"\\$Recycle.Bin";
}

DriveMenuState DriveMenuFor(const std::optional<std::u16string_view>& selected, bool tableEmpty,
                            const FileSystem& files) {
    DriveMenuState menu;
    menu.openDrive = selected.has_value();
    menu.driveProperties = selected.has_value();
    menu.driveBinProperties = selected && files.FolderExists(DriveBinFolder(*selected));
    menu.updateCaption = tableEmpty ? ResumeLinkage : RefreshTable;
    return menu;
}

}  // namespace zubolo
