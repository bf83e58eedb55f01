#include "ui/Menu.h"

namespace zubolo {

std::u16string ShortcutText(int shortcut) {
    switch (shortcut) {
        case ShortcutEsc:
            return u"Esc";
        case ShortcutF1:
            return u"F1";
        default:
            return {};
    }
}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (!checked || !radioItem_ || parent_ == nullptr) return;
    for (MenuItem* sibling : parent_->items_) {
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) {
            sibling->checked_ = false;
        }
    }
}

void MenuItem::Add(MenuItem& child) {
    child.parent_ = this;
    items_.push_back(&child);
}

void MenuItem::Click() {
    if (!enabled_) return;
    if (autoCheck_) SetChecked(!checked_);
    Fire(OnClick);
}

MenuItem* FindShortcut(MenuItem& root, int key) {
    if (key == ShortcutNone) return nullptr;
    for (MenuItem* item : root.Items()) {
        if (item->Shortcut() == key) return item;
        if (MenuItem* found = FindShortcut(*item, key)) return found;
    }
    return nullptr;
}

}  // namespace zubolo
