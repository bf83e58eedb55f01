#pragma once
#include <windows.h>

#include <functional>

#include "platform/win32/NotificationArea.h"
#include "ui/TrayIconRegistration.h"

namespace zubolo {

// The notification-area icon of the main window: kept in the notification area after the model
// (TrayIconRegistration), its events turned into the model's click and a menu request. The
// owner window passes its messages through HandleMessage.
class TrayIconPeer {
  public:
    TrayIconPeer(TrayIcon& model, HWND owner, HICON icon);

    // Returns true when `message` was the icon's own event or the news that the taskbar was
    // created anew.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A right click on the icon (or the menu key on it): the menu opens at this point.
    std::function<void(POINT)> OnContextMenu;

  private:
    void ContextMenuAt(POINT at) const;

    TrayIcon& model_;
    Win32NotificationArea area_;
    TrayIconRegistration registration_;
    UINT taskbarCreated_;
};

}  // namespace zubolo
