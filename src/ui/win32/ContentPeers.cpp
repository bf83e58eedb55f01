#include "ui/win32/ContentPeers.h"

#include <algorithm>

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
    // The image lists belong to the window that made them: the list must not destroy them.
    MakeWindow(parent, WC_LISTVIEWW,
               LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_SHAREIMAGELISTS);
    ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    if (list_.SmallImages() != nullptr) {
        ListView_SetImageList(hwnd_, host_.Images(*list_.SmallImages()), LVSIL_SMALL);
    }
    Apply();
}

void ListViewPeer::MakeColumns() {
    while (ListView_DeleteColumn(hwnd_, 0)) {
    }
    int index = 0;
    for (const ListColumn& column : list_.Columns()) {
        std::wstring caption = ToWide(column.caption);
        LVCOLUMNW lvColumn{};
        lvColumn.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        lvColumn.fmt = ColumnFormat(column.align);
        lvColumn.pszText = caption.data();
        lvColumn.cx = host_.Scale(column.width);
        ListView_InsertColumn(hwnd_, index, &lvColumn);
        ++index;
    }
    shownColumns_ = list_.Columns();
    // New columns are sized once the rows they measure are in.
    sizedRequests_ = list_.ColumnRequests() - 1;
}

int ListViewPeer::ColumnWidth(const ListColumn& column) const {
    switch (column.fit) {
        case ColumnFit::Content:
            return LVSCW_AUTOSIZE;
        case ColumnFit::Text: {
            // The list keeps a margin on both sides of a cell's text and of a header caption; the
            // header reports it, and a text as wide as the column would end in an ellipsis.
            HWND header = ListView_GetHeader(hwnd_);
            const int margin = header != nullptr ? Header_GetBitmapMargin(header) : 0;
            return host_.Scale(column.width) + std::max(2 * margin, host_.Scale(12)) +
                   host_.Scale(2);
        }
        case ColumnFit::Design:
            break;
    }
    if (column.width != 0) return host_.Scale(column.width);
    // Without a design width the column starts as wide as its header text.
    const std::wstring caption = ToWide(column.caption);
    return ListView_GetStringWidth(hwnd_, caption.c_str()) + host_.Scale(16);
}

void ListViewPeer::SizeColumns() {
    int index = 0;
    for (const ListColumn& column : list_.Columns()) {
        ListView_SetColumnWidth(hwnd_, index, ColumnWidth(column));
        ++index;
    }
    sizedRequests_ = list_.ColumnRequests();
}

void ListViewPeer::ApplyRow(int row, const ListItem& item) {
    const bool isNew = row >= static_cast<int>(shownItems_.size());
    const ListItem* shown = isNew ? nullptr : &shownItems_[static_cast<std::size_t>(row)];
    if (isNew || shown->caption != item.caption || shown->imageIndex != item.imageIndex) {
        std::wstring caption = ToWide(item.caption);
        LVITEMW lvItem{};
        lvItem.mask = LVIF_TEXT | LVIF_IMAGE;
        lvItem.iItem = row;
        lvItem.pszText = caption.data();
        lvItem.iImage = item.imageIndex;
        if (isNew) {
            ListView_InsertItem(hwnd_, &lvItem);
        } else {
            ListView_SetItem(hwnd_, &lvItem);
        }
    }
    for (std::size_t sub = 0; sub < item.subItems.size(); ++sub) {
        if (!isNew && sub < shown->subItems.size() && shown->subItems[sub] == item.subItems[sub])
            continue;
        std::wstring text = ToWide(item.subItems[sub]);
        ListView_SetItemText(hwnd_, row, static_cast<int>(sub) + 1, text.data());
    }
}

void ListViewPeer::ApplyItems() {
    const std::vector<ListItem>& items = list_.Items();
    if (items == shownItems_) return;
    for (int row = ListView_GetItemCount(hwnd_) - 1; row >= static_cast<int>(items.size()); --row)
        ListView_DeleteItem(hwnd_, row);
    if (shownItems_.size() > items.size()) shownItems_.resize(items.size());
    for (std::size_t row = 0; row < items.size(); ++row)
        ApplyRow(static_cast<int>(row), items[row]);
    shownItems_ = items;
}

void ListViewPeer::ApplySelection() {
    const int selected = list_.Selected();
    if (ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED) == selected) return;
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED);
    if (selected >= 0) {
        const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
        ListView_SetItemState(hwnd_, selected, state, state);
    }
}

void ListViewPeer::Apply() {
    applying_ = true;
    ApplyCommon();
    const auto sameHeader = [](const ListColumn& a, const ListColumn& b) {
        return a.caption == b.caption && a.align == b.align;
    };
    if (!std::equal(shownColumns_.begin(), shownColumns_.end(), list_.Columns().begin(),
                    list_.Columns().end(), sameHeader)) {
        MakeColumns();
    }
    ApplyItems();
    if (sizedRequests_ != list_.ColumnRequests()) SizeColumns();
    ApplySelection();
    applying_ = false;
}

void ListViewPeer::ResolutionChanged() {
    if (list_.SmallImages() != nullptr) {
        ListView_SetImageList(hwnd_, host_.Images(*list_.SmallImages()), LVSIL_SMALL);
    }
    // The columns are made and sized again at the new scale.
    shownColumns_.clear();
    WindowPeer::ResolutionChanged();
}

bool ListViewPeer::OnNotify(const NMHDR& header, LRESULT&) {
    switch (header.code) {
        case LVN_COLUMNCLICK:
            if (list_.OnColumnClick) {
                list_.OnColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
            }
            return true;
        case LVN_ITEMCHANGED: {
            // The user selected a row, or none.
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if (!applying_ && (change.uChanged & LVIF_STATE) != 0 &&
                ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0) {
                list_.Select(ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED));
            }
            return true;
        }
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
