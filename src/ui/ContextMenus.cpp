#include "ui/ContextMenus.h"

namespace zubolo {

PopupMenu* ContextMenuFor(const Control& control) {
    for (const Control* at = &control; at != nullptr; at = at->Parent()) {
        PopupMenu* menu = at->ContextMenu();
        if (menu != nullptr && menu->AutoPopup()) return menu;
    }
    return nullptr;
}

bool RunShortcut(const Control& focused, int key) {
    for (const Control* at = &focused; at != nullptr; at = at->Parent()) {
        if (at->ContextMenu() == nullptr) continue;
        MenuItem* item = FindShortcut(at->ContextMenu()->Items(), key);
        if (item != nullptr && item->Enabled()) {
            item->Click();
            return true;
        }
    }
    return false;
}

}  // namespace zubolo
