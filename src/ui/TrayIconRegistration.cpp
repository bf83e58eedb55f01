#include "ui/TrayIconRegistration.h"

namespace zubolo {

TrayIconRegistration::TrayIconRegistration(TrayIcon& model, NotificationArea& area,
                                           WindowHandle owner, IconHandle icon)
    : model_(model), area_(area), owner_(owner), icon_(icon) {
    model_.AttachPeer(this);
    StateChanged();
}

TrayIconRegistration::~TrayIconRegistration() {
    model_.AttachPeer(nullptr);
    if (added_) area_.Delete(Data());
}

NotifyIconData TrayIconRegistration::Data() const {
    return {owner_, icon_, model_.Hint()};
}

void TrayIconRegistration::StateChanged() {
    const NotifyIconData data = Data();
    if (model_.Visible()) {
        // The shell may have lost an icon it held, or still hold one it was not asked to keep:
        // either way the other request puts the icon in place.
        added_ =
            added_ ? area_.Modify(data) || area_.Add(data) : area_.Add(data) || area_.Modify(data);
    } else if (added_) {
        area_.Delete(data);
        added_ = false;
    }
}

void TrayIconRegistration::TaskbarCreated() {
    added_ = false;
    StateChanged();
}

}  // namespace zubolo
