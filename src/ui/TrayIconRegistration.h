#pragma once
#include "platform/NotificationArea.h"
#include "ui/TrayIcon.h"

namespace zubolo {

// Keeps the notification area in step with a TrayIcon: the icon is added while the model is
// visible, updated when its tip changes, removed when it is hidden or this object goes. When the
// taskbar is created anew (Explorer restarted), its notification area holds nothing: the icon is
// added again if it should be visible.
class TrayIconRegistration : public ControlPeer {
  public:
    TrayIconRegistration(TrayIcon& model, NotificationArea& area, WindowHandle owner,
                         IconHandle icon);
    ~TrayIconRegistration() override;
    TrayIconRegistration(const TrayIconRegistration&) = delete;
    TrayIconRegistration& operator=(const TrayIconRegistration&) = delete;

    void StateChanged() override;
    void TaskbarCreated();

  private:
    NotifyIconData Data() const;

    TrayIcon& model_;
    NotificationArea& area_;
    WindowHandle owner_;
    IconHandle icon_;
    bool added_ = false;
};

}  // namespace zubolo
