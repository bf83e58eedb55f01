#pragma once
#include <string>

#include "ui/ControlPeer.h"
#include "ui/Controls.h"

namespace zubolo {

class PopupMenu;

// The program's icon in the notification area.
class TrayIcon {
  public:
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    const std::u16string& Hint() const { return hint_; }
    void SetHint(std::u16string hint);

    void AttachPeer(ControlPeer* peer) { peer_ = peer; }

    // The menu a right click on the icon opens, whether or not its automatic popup is on.
    PopupMenu* ContextMenu() const { return contextMenu_; }
    void SetContextMenu(PopupMenu* menu) { contextMenu_ = menu; }

    Handler OnClick;

  private:
    void Changed() const {
        if (peer_ != nullptr) peer_->StateChanged();
    }

    bool visible_ = false;
    std::u16string hint_;
    PopupMenu* contextMenu_ = nullptr;
    ControlPeer* peer_ = nullptr;
};

}  // namespace zubolo
