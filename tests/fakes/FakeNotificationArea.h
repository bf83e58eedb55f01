#pragma once
#include <string>
#include <vector>

#include "platform/NotificationArea.h"

namespace zubolo {

// A notification area that holds at most the one icon and records every request with the tip it
// carried. `refuseAdds` makes it refuse new icons, as a shell that is not running yet does.
class FakeNotificationArea final : public NotificationArea {
  public:
    bool holdsIcon = false;
    bool refuseAdds = false;
    std::vector<std::string> calls;

    bool Add(const NotifyIconData& icon) override {
        calls.push_back("Add " + Tip(icon));
        if (holdsIcon || refuseAdds) return false;
        holdsIcon = true;
        return true;
    }
    bool Modify(const NotifyIconData& icon) override {
        calls.push_back("Modify " + Tip(icon));
        return holdsIcon;
    }
    void Delete(const NotifyIconData& icon) override {
        calls.push_back("Delete " + Tip(icon));
        holdsIcon = false;
    }

  private:
    static std::string Tip(const NotifyIconData& icon) {
        return std::string(icon.tip.begin(), icon.tip.end());
    }
};

}  // namespace zubolo
