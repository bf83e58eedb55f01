#include "ui/win32/MenuPeer.h"

#include <cstdint>

#include "platform/win32/WideText.h"

namespace zubolo {
namespace {

using IsAppThemedFunction = BOOL(WINAPI*)();

// IsAppThemed of uxtheme.dll, loaded from the system folder at the first opening of a menu and
// kept for the rest of the run; null where the module or the function is missing.
IsAppThemedFunction IsAppThemedEntry() {
    static const UniqueModule theming(
        LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!theming) return nullptr;
    // Through void(*)(): the exported function is not of FARPROC's type.
    return reinterpret_cast<IsAppThemedFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(theming.get(), "IsAppThemed")));
}

// Menus drawn with visual styles blend 32-bit pictures by their alpha channel; classic menus
// copy them as they are, so there the owner draws the pictures instead. Windows styles its menus
// whenever the application is themed (which the user may switch at any time); Wine's menus are
// classic even under a theme.
bool MenusUseVisualStyles() {
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
        return false;
    }
    const IsAppThemedFunction isAppThemed = IsAppThemedEntry();
    return isAppThemed != nullptr && isAppThemed() != FALSE;
}

// Captions carry no accelerator characters: an ampersand is shown as itself.
std::wstring MenuText(const MenuItem& item) {
    std::wstring text;
    for (wchar_t c : ToWide(item.Caption())) {
        if (c == L'&') text += L'&';
        text += c;
    }
    const std::u16string shortcut = ShortcutText(item.Shortcut());
    if (!shortcut.empty()) text += L'\t' + ToWide(shortcut);
    return text;
}

// A 32-bit top-down picture with premultiplied alpha, as styled menus blend it.
UniqueBitmap PremultipliedPicture(HIMAGELIST images, int index, int size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDC memory(CreateCompatibleDC(nullptr));
    if (!picture || !memory) return nullptr;
    {
        const SelectionScope selected(memory.get(), picture.get());
        // Blending onto transparent black leaves premultiplied colours and the picture's alpha.
        ImageList_Draw(images, index, memory.get(), 0, 0, ILD_NORMAL);
    }
    GdiFlush();
    // A picture without an alpha channel would vanish; it is shown opaque instead.
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    bool anyAlpha = false;
    for (std::size_t i = 0; i < count && !anyAlpha; ++i) anyAlpha = (pixels[i] >> 24) != 0;
    if (!anyAlpha) {
        for (std::size_t i = 0; i < count; ++i) pixels[i] |= 0xFF000000u;
    }
    return picture;
}

}  // namespace

MenuItem* MenuPeer::Track(PopupMenu& menu, HWND owner, POINT at) {
    Fire(menu.OnPopup);
    items_.clear();
    pictures_.clear();
    images_ = menu.Images() != nullptr ? host_.Images(*menu.Images()) : nullptr;
    imageCount_ = images_ != nullptr ? ImageList_GetImageCount(images_) : 0;
    styled_ = MenusUseVisualStyles();
    const UniqueMenu root = BuildLevel(menu.Items());
    if (!root) return nullptr;

    // The owner must be the foreground window, or the menu stays open after a click elsewhere.
    SetForegroundWindow(owner);
    const auto chosen = static_cast<std::size_t>(
        TrackPopupMenuEx(root.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                         at.x, at.y, owner, nullptr));
    // Lets the owner's queue move on, so that the next opening from the tray works at once.
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen >= 1 && chosen <= items_.size() ? items_[chosen - 1] : nullptr;
}

UniqueMenu MenuPeer::BuildLevel(const MenuItem& parent) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return menu;
    UINT position = 0;
    for (MenuItem* item : parent.Items()) {
        if (item->Visible() && Insert(menu.get(), *item, position)) ++position;
    }
    return menu;
}

bool MenuPeer::Insert(HMENU menu, MenuItem& item, UINT position) {
    items_.push_back(&item);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    info.wID = static_cast<UINT>(items_.size());
    info.dwItemData = items_.size() - 1;
    if (item.IsSeparator()) {
        info.fType = MFT_SEPARATOR;
        return InsertMenuItemW(menu, position, TRUE, &info) != FALSE;
    }
    std::wstring text = MenuText(item);
    info.fMask |= MIIM_STRING | MIIM_STATE;
    info.fType = item.RadioItem() ? MFT_RADIOCHECK : MFT_STRING;
    info.fState = (item.Enabled() ? MFS_ENABLED : MFS_GRAYED) |
                  (item.Checked() ? MFS_CHECKED : MFS_UNCHECKED);
    info.dwTypeData = text.data();
    if (HBITMAP picture = Picture(item)) {
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = picture;
    }
    UniqueMenu submenu;
    if (!item.Items().empty()) {
        submenu = BuildLevel(item);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = submenu.get();
    }
    if (InsertMenuItemW(menu, position, TRUE, &info) == FALSE) return false;
    // The menu now owns its submenu and destroys it with itself.
    submenu.release();
    return true;
}

HBITMAP MenuPeer::Picture(const MenuItem& item) {
    const int index = item.ImageIndex();
    if (images_ == nullptr || index < 0 || index >= imageCount_) return nullptr;
    if (!styled_) return HBMMENU_CALLBACK;
    auto& picture = pictures_[index];
    if (!picture) picture = PremultipliedPicture(images_, index, host_.IconSize());
    return picture.get();
}

const MenuItem* MenuPeer::ItemOf(ULONG_PTR itemData) const {
    return itemData < items_.size() ? items_[itemData] : nullptr;
}

bool MenuPeer::OnMeasureItem(MEASUREITEMSTRUCT& measure) const {
    if (measure.CtlType != ODT_MENU || ItemOf(measure.itemData) == nullptr) return false;
    measure.itemWidth = static_cast<UINT>(host_.IconSize());
    measure.itemHeight = static_cast<UINT>(host_.IconSize());
    return true;
}

bool MenuPeer::OnDrawItem(const DRAWITEMSTRUCT& draw) const {
    const MenuItem* item = draw.CtlType == ODT_MENU ? ItemOf(draw.itemData) : nullptr;
    if (item == nullptr || images_ == nullptr) return false;
    const int size = host_.IconSize();
    const int top = draw.rcItem.top + (draw.rcItem.bottom - draw.rcItem.top - size) / 2;
    ImageList_Draw(images_, item->ImageIndex(), draw.hDC, draw.rcItem.left, top, ILD_TRANSPARENT);
    return true;
}

}  // namespace zubolo
