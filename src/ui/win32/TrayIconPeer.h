#pragma once
#include <windows.h>
// (the shell header needs <windows.h> first)
#include <shellapi.h>

#include <functional>

#include "ui/TrayIcon.h"

namespace zubolo {

// The notification-area icon of the main window. Its messages arrive at the owner window as
// `CallbackMessage`; it is added again when the taskbar is recreated.
class TrayIconPeer : public ControlPeer {
  public:
    static constexpr UINT CallbackMessage = WM_APP + 1;

    TrayIconPeer(TrayIcon& model, HWND owner, HICON icon);
    ~TrayIconPeer() override;

    void StateChanged() override;
    // Returns true when `message` was the icon's own or the taskbar's restart.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A right click on the icon, at this point of the screen.
    std::function<void(POINT)> OnContextMenu;

  private:
    NOTIFYICONDATAW Data() const;

    TrayIcon& model_;
    HWND owner_;
    HICON icon_;
    bool added_ = false;
    UINT taskbarCreated_;
};

}  // namespace zubolo
