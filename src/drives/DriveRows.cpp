#include "drives/DriveRows.h"

namespace zubolo {

namespace {

// An icon the shell handed out, given back when this goes.
class ShellIcon {
  public:
    ShellIcon(Drives& drives, std::u16string_view root)
        : drives_(drives), icon_(drives.SmallShellIcon(root)) {}
    ~ShellIcon() {
        if (icon_) drives_.DestroyIcon(icon_);
    }
    ShellIcon(const ShellIcon&) = delete;
    ShellIcon& operator=(const ShellIcon&) = delete;

    IconHandle Get() const { return icon_; }

  private:
    Drives& drives_;
    IconHandle icon_;
};

}  // namespace

std::u16string DriveCaption(std::u16string_view root) {
    if (!root.empty() && root.back() == u'\\') root.remove_suffix(1);
    return std::u16string(root);
}

std::u16string DiskRoot(std::u16string_view caption) {
    return std::u16string(caption.substr(0, 1)) + u":\\";
}

void VisitDrives(Drives& drives,
                 const std::function<void(std::u16string caption, IconHandle icon)>& visit) {
    for (const std::u16string& root : drives.LogicalDriveStrings()) {
        const ShellIcon icon(drives, root);
        visit(DriveCaption(root), icon.Get());
    }
}

}  // namespace zubolo
