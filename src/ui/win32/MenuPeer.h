#pragma once
#include <map>
#include <vector>

#include "ui/Menu.h"
#include "ui/win32/WindowPeer.h"

namespace zubolo {

// Shows the popup menus of the model as real menus. Each opening runs the menu's OnPopup, then
// builds the real menu afresh from the items as they are at that moment.
class MenuPeer {
  public:
    explicit MenuPeer(PeerHost& host) : host_(host) {}

    // Opens `menu` at a screen point for `owner` and waits until it closes. Returns the item the
    // user chose, null when the menu was dismissed.
    MenuItem* Track(PopupMenu& menu, HWND owner, POINT at);

    // Where visual styles do not draw menus, the system asks the owner for the item pictures;
    // the owner passes its WM_MEASUREITEM and WM_DRAWITEM for menus here.
    bool OnMeasureItem(MEASUREITEMSTRUCT& measure) const;
    bool OnDrawItem(const DRAWITEMSTRUCT& draw) const;

  private:
    UniqueMenu BuildLevel(const MenuItem& parent);
    bool Insert(HMENU menu, MenuItem& item, UINT position);
    HBITMAP Picture(const MenuItem& item);
    const MenuItem* ItemOf(ULONG_PTR itemData) const;

    PeerHost& host_;
    // Of the menu last opened: its pictures, and its items by command number (index + 1).
    HIMAGELIST images_ = nullptr;
    int imageCount_ = 0;
    bool styled_ = false;
    std::vector<MenuItem*> items_;
    std::map<int, UniqueBitmap> pictures_;
};

}  // namespace zubolo
