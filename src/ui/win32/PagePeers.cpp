#include "ui/win32/PagePeers.h"

#include <algorithm>

#include "platform/win32/WideText.h"

namespace zubolo {
namespace {

constexpr wchar_t PageClassName[] = L"ZuboloPage";

LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_SETCURSOR:
        case WM_CONTEXTMENU:
            return SendMessageW(GetParent(window), message, wParam, lParam);
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

void TabSheetPeer::RegisterWindowClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = PageProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = PageClassName;
    RegisterClassExW(&windowClass);
}

void TabSheetPeer::Create(HWND parent) {
    model_.SetTabStop(false);
    // Not clipping its children: group-box frames do not paint their inside, so the sheet
    // erases it for them.
    MakeWindow(parent, PageClassName, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT);
    Apply();
}

void TabSheetPeer::Apply() {
    const auto* owner = static_cast<const PageControl*>(sheet_.Parent());
    const bool shown = sheet_.Visible() && sheet_.TabVisible() && owner->ActivePage() == &sheet_;
    if (shown && OnShowing) OnShowing();
    ShowWindow(hwnd_, shown ? SW_SHOWNA : SW_HIDE);
}

void PageControlPeer::Create(HWND parent) {
    MakeWindow(parent, WC_TABCONTROLW, WS_CLIPSIBLINGS | TCS_FOCUSNEVER);
    if (pages_.Images() != nullptr) TabCtrl_SetImageList(hwnd_, host_.Images(*pages_.Images()));
    Apply();
}

void PageControlPeer::ApplyTabs() {
    shownTabs_ = pages_.VisibleTabs();
    TabCtrl_DeleteAllItems(hwnd_);
    int position = 0;
    for (const TabSheet* page : shownTabs_) {
        std::wstring caption = ToWide(page->Caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = caption.data();
        item.iImage = page->ImageIndex();
        TabCtrl_InsertItem(hwnd_, position++, &item);
    }
}

void PageControlPeer::ApplyTabWidth() {
    const int width = pages_.TabWidth();
    if (width == shownTabWidth_) return;
    shownTabWidth_ = width;
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    const LONG_PTR fixed = width > 0 ? style | TCS_FIXEDWIDTH : style & ~LONG_PTR{TCS_FIXEDWIDTH};
    if (fixed != style) SetWindowLongPtrW(hwnd_, GWL_STYLE, fixed);
    // A height of 0 keeps the height the tab control takes from its font and pictures.
    if (width > 0) TabCtrl_SetItemSize(hwnd_, width, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void PageControlPeer::Apply() {
    ShowWindow(hwnd_, model_.Visible() ? SW_SHOWNA : SW_HIDE);
    if (pages_.VisibleTabs() != shownTabs_) ApplyTabs();
    ApplyTabWidth();
    const auto active = std::find(shownTabs_.begin(), shownTabs_.end(), pages_.ActivePage());
    TabCtrl_SetCurSel(
        hwnd_, active == shownTabs_.end() ? -1 : static_cast<int>(active - shownTabs_.begin()));
    for (TabSheetPeer* sheet : sheets_) sheet->Apply();
}

void PageControlPeer::ResolutionChanged() {
    if (pages_.Images() != nullptr) TabCtrl_SetImageList(hwnd_, host_.Images(*pages_.Images()));
    WindowPeer::ResolutionChanged();
}

bool PageControlPeer::OnNotify(const NMHDR& header, LRESULT&) {
    if (header.code != TCN_SELCHANGE) return false;
    pages_.SelectVisibleTab(TabCtrl_GetCurSel(hwnd_));
    return true;
}

Rect PageControlPeer::PageArea(const Rect& bounds) const {
    RECT area{bounds.left, bounds.top, bounds.right, bounds.bottom};
    TabCtrl_AdjustRect(hwnd_, FALSE, &area);
    return {area.left, area.top, area.right, area.bottom};
}

}  // namespace zubolo
