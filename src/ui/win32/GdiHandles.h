#pragma once
#include <windows.h>
// (keeps <windows.h> ahead of the common-controls header)
#include <commctrl.h>

#include <memory>
#include <type_traits>

namespace zubolo {

// One owner type per handle kind, each knowing how its handle is released.
struct FontDelete {
    void operator()(HFONT font) const { DeleteObject(font); }
};
struct ImageListDestroy {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
struct IconDestroy {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct BitmapDelete {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
// Destroys the submenus attached to the menu with it.
struct MenuDestroy {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDelete>;
using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDestroy>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroy>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDelete>;
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroy>;

}  // namespace zubolo
