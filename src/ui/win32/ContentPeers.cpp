#include "ui/win32/ContentPeers.h"

#include "platform/win32/WideText.h"

namespace zubolo {
namespace {

int ColumnFormat(TextAlign align) {
    switch (align) {
        case TextAlign::Right:
            return LVCFMT_RIGHT;
        case TextAlign::Center:
            return LVCFMT_CENTER;
        case TextAlign::Left:
            break;
    }
    return LVCFMT_LEFT;
}

}  // namespace

void ListViewPeer::Create(HWND parent) {
    MakeWindow(parent, WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL);
    ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    if (list_.SmallImages() != nullptr) {
        ListView_SetImageList(hwnd_, host_.Images(*list_.SmallImages()), LVSIL_SMALL);
    }
    ApplyColumns();
    Apply();
}

void ListViewPeer::ApplyColumns() {
    while (ListView_DeleteColumn(hwnd_, 0)) {
    }
    int index = 0;
    for (const ListColumn& column : list_.Columns()) {
        std::wstring caption = ToWide(column.caption);
        LVCOLUMNW lvColumn{};
        lvColumn.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        lvColumn.fmt = ColumnFormat(column.align);
        lvColumn.pszText = caption.data();
        // A column without a design width starts as wide as its header text.
        lvColumn.cx = column.width != 0
                          ? host_.Scale(column.width)
                          : ListView_GetStringWidth(hwnd_, caption.c_str()) + host_.Scale(16);
        ListView_InsertColumn(hwnd_, index, &lvColumn);
        ++index;
    }
}

void ListViewPeer::ApplyItems() {
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(hwnd_);
    int row = 0;
    for (const ListItem& item : list_.Items()) {
        std::wstring caption = ToWide(item.caption);
        LVITEMW lvItem{};
        lvItem.mask = LVIF_TEXT | LVIF_IMAGE;
        lvItem.iItem = row;
        lvItem.pszText = caption.data();
        lvItem.iImage = item.imageIndex;
        ListView_InsertItem(hwnd_, &lvItem);
        for (size_t sub = 0; sub < item.subItems.size(); ++sub) {
            std::wstring text = ToWide(item.subItems[sub]);
            ListView_SetItemText(hwnd_, row, static_cast<int>(sub) + 1, text.data());
        }
        ++row;
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListViewPeer::Apply() {
    ApplyCommon();
    ApplyItems();
}

void ListViewPeer::ResolutionChanged() {
    if (list_.SmallImages() != nullptr) {
        ListView_SetImageList(hwnd_, host_.Images(*list_.SmallImages()), LVSIL_SMALL);
    }
    WindowPeer::ResolutionChanged();
    ApplyColumns();
}

bool ListViewPeer::OnNotify(const NMHDR& header, LRESULT&) {
    switch (header.code) {
        case LVN_COLUMNCLICK:
            if (list_.OnColumnClick) {
                list_.OnColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
            }
            return true;
        case NM_DBLCLK:
            Fire(list_.OnDblClick);
            return true;
        default:
            return false;
    }
}

void StatusBarPeer::Create(HWND parent) {
    model_.SetTabStop(false);
    MakeWindow(parent, STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER);
    Apply();
}

void StatusBarPeer::Apply() {
    ShowWindow(hwnd_, model_.Visible() ? SW_SHOWNA : SW_HIDE);
    // A panel's width is that of its text; the part adds its frame and inner space around it,
    // so that a text measured to fit is not cut.
    int borders[3]{};
    SendMessageW(hwnd_, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    const int frame = 2 * borders[0] + borders[2] + host_.Scale(16);
    std::vector<int> edges;
    int edge = 0;
    for (const StatusPanel& panel : status_.Panels()) {
        edge += host_.Scale(panel.width) + frame;
        edges.push_back(edge);
    }
    // The last panel runs to the right edge, so that its centred text stays in sight.
    if (!edges.empty()) edges.back() = -1;
    SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < status_.Panels().size(); ++i) {
        const StatusPanel& panel = status_.Panels()[i];
        std::wstring text = ToWide(panel.text);
        if (panel.align == TextAlign::Center) text.insert(0, L"\t");
        if (panel.align == TextAlign::Right) text.insert(0, L"\t\t");
        SendMessageW(hwnd_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

bool StatusBarPeer::OnNotify(const NMHDR& header, LRESULT&) {
    if (header.code != NM_CLICK) return false;
    Fire(status_.OnClick);
    return true;
}

void MemoPeer::Create(HWND parent) {
    MakeWindow(
        parent, WC_EDITW,
        ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_VSCROLL | WS_HSCROLL);
    Apply();
}

void ImagePeer::Create(HWND parent) {
    model_.SetTabStop(false);
    MakeWindow(parent, WC_STATICW, SS_BITMAP);
    Apply();
}

}  // namespace zubolo
