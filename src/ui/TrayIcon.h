#pragma once
#include <string>

#include "ui/ControlPeer.h"
#include "ui/Controls.h"

namespace zubolo {

// The program's icon in the notification area.
class TrayIcon {
  public:
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    const std::u16string& Hint() const { return hint_; }
    void SetHint(std::u16string hint);

    void AttachPeer(ControlPeer* peer) { peer_ = peer; }

    Handler OnClick;

  private:
    void Changed() const {
        if (peer_ != nullptr) peer_->StateChanged();
    }

    bool visible_ = false;
    std::u16string hint_;
    ControlPeer* peer_ = nullptr;
};

}  // namespace zubolo
