#include "ui/TrayIcon.h"

namespace zubolo {

void TrayIcon::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed();
}

void TrayIcon::SetHint(std::u16string hint) {
    if (hint == hint_) return;
    hint_ = std::move(hint);
    Changed();
}

}  // namespace zubolo
