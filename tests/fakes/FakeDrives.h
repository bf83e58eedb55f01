#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Drives.h"

namespace zubolo {

// Drives that the test sets up. The sizes and icons of a root not listed read as the system's
// failure (-1) and as "no icon". Every icon handed out is remembered until it is destroyed.
class FakeDrives final : public Drives {
  public:
    std::vector<std::u16string> roots;
    std::map<std::u16string, DiskSpace> spaces;
    std::map<std::u16string, IconHandle> icons;

    std::vector<std::u16string> spaceCalls;
    std::vector<std::u16string> iconCalls;
    std::set<IconHandle> liveIcons;
    std::vector<IconHandle> destroyedIcons;

    std::vector<std::u16string> LogicalDriveStrings() override { return roots; }

    DiskSpace Space(std::u16string_view root) override {
        spaceCalls.emplace_back(root);
        const auto found = spaces.find(std::u16string(root));
        return found != spaces.end() ? found->second : DiskSpace{};
    }

    IconHandle SmallShellIcon(std::u16string_view root) override {
        iconCalls.emplace_back(root);
        const auto found = icons.find(std::u16string(root));
        if (found == icons.end()) return IconHandle{};
        liveIcons.insert(found->second);
        return found->second;
    }

    void DestroyIcon(IconHandle icon) override {
        destroyedIcons.push_back(icon);
        liveIcons.erase(icon);
    }
};

}  // namespace zubolo
