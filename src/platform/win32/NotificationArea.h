#pragma once
#include <windows.h>

#include "platform/NotificationArea.h"

namespace zubolo {

// The notification area through Shell_NotifyIconW. The icon's events reach its owner window as
// `CallbackMessage`.
class Win32NotificationArea final : public NotificationArea {
  public:
    static constexpr UINT CallbackMessage = WM_APP + 1;

    bool Add(const NotifyIconData& icon) override;
    bool Modify(const NotifyIconData& icon) override;
    void Delete(const NotifyIconData& icon) override;

    // True when the shell took NOTIFYICON_VERSION_4 for the icon: a click then arrives as
    // NIN_SELECT (NIN_KEYSELECT from the keyboard) and the menu request as WM_CONTEXTMENU with
    // the anchor point in wParam; otherwise as the plain mouse messages.
    bool Version4() const { return version4_; }

  private:
    bool version4_ = false;
};

}  // namespace zubolo
