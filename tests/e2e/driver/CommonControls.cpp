#include "CommonControls.h"

#include <commctrl.h>

#include <algorithm>

#include "RemoteBuffer.h"

namespace zubolo::e2e {

namespace {

constexpr std::size_t TextChars = 512;

// A structure followed by a text buffer in the control's process; the structure's text pointer
// is aimed at that buffer before the structure is written.
template <class Structure>
class RemoteItem {
  public:
    explicit RemoteItem(HWND control)
        : buffer_(control, sizeof(Structure) + TextChars * sizeof(wchar_t)) {}

    LPARAM Send(HWND control, UINT message, WPARAM wParam, Structure item) {
        item.pszText = reinterpret_cast<LPWSTR>(buffer_.Address(sizeof(Structure)));
        item.cchTextMax = static_cast<int>(TextChars);
        const wchar_t empty = L'\0';
        buffer_.Write(sizeof(Structure), &empty, sizeof empty);
        buffer_.Write(0, &item, sizeof item);
        return SendMessageW(control, message, wParam, buffer_.Address());
    }

    std::wstring Text() const { return buffer_.ReadText(sizeof(Structure), TextChars); }
    // The structure as the control left it.
    Structure Result() const {
        Structure item{};
        buffer_.Read(0, &item, sizeof item);
        return item;
    }

  private:
    RemoteBuffer buffer_;
};

}  // namespace

std::vector<std::wstring> StatusBarTexts(HWND statusBar) {
    const auto parts = static_cast<int>(SendMessageW(statusBar, SB_GETPARTS, 0, 0));
    RemoteBuffer buffer(statusBar, TextChars * sizeof(wchar_t));
    std::vector<std::wstring> texts;
    for (int part = 0; part < parts; ++part) {
        const wchar_t empty = L'\0';
        buffer.Write(0, &empty, sizeof empty);
        // SB_GETTEXTW has no buffer size; a part longer than the buffer cannot occur in the
        // program's texts, and SB_GETTEXTLENGTHW guards against it anyway.
        const auto length = LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, part, 0));
        if (length >= TextChars) {
            texts.push_back(L"<part text of " + std::to_wstring(length) + L" characters>");
            continue;
        }
        SendMessageW(statusBar, SB_GETTEXTW, part, buffer.Address());
        texts.push_back(buffer.ReadText(0, TextChars));
    }
    return texts;
}

std::wstring StatusPanelText(HWND statusBar, std::size_t index) {
    const std::vector<std::wstring> texts = StatusBarTexts(statusBar);
    if (index >= texts.size()) return L"<no panel " + std::to_wstring(index) + L">";
    const std::wstring& text = texts[index];
    return text.substr(std::min(text.find_first_not_of(L'\t'), text.size()));
}

std::vector<std::wstring> TabTexts(HWND tabControl) {
    const auto count = static_cast<int>(SendMessageW(tabControl, TCM_GETITEMCOUNT, 0, 0));
    RemoteItem<TCITEMW> item(tabControl);
    std::vector<std::wstring> texts;
    for (int index = 0; index < count; ++index) {
        TCITEMW query{};
        query.mask = TCIF_TEXT;
        item.Send(tabControl, TCM_GETITEMW, index, query);
        texts.push_back(item.Text());
    }
    return texts;
}

std::vector<std::wstring> ListViewColumnTexts(HWND listView) {
    RemoteItem<LVCOLUMNW> column(listView);
    std::vector<std::wstring> texts;
    for (int index = 0;; ++index) {
        LVCOLUMNW query{};
        query.mask = LVCF_TEXT;
        if (!column.Send(listView, LVM_GETCOLUMNW, index, query)) break;
        texts.push_back(column.Text());
    }
    return texts;
}

std::vector<std::vector<std::wstring>> ListViewRows(HWND listView) {
    const auto columns = ListViewColumnTexts(listView).size();
    const auto rows = static_cast<int>(SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
    RemoteItem<LVITEMW> item(listView);
    std::vector<std::vector<std::wstring>> texts;
    for (int row = 0; row < rows; ++row) {
        std::vector<std::wstring> cells;
        for (std::size_t column = 0; column < columns; ++column) {
            LVITEMW query{};
            query.iSubItem = static_cast<int>(column);
            item.Send(listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), query);
            cells.push_back(item.Text());
        }
        texts.push_back(std::move(cells));
    }
    return texts;
}

int ListViewItemImage(HWND listView, int row) {
    RemoteItem<LVITEMW> item(listView);
    LVITEMW query{};
    query.mask = LVIF_IMAGE;
    query.iItem = row;
    query.iImage = -2;
    item.Send(listView, LVM_GETITEMW, 0, query);
    return item.Result().iImage;
}

void SelectListViewRow(HWND listView, int row) {
    RemoteBuffer buffer(listView, sizeof(LVITEMW));
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    buffer.Write(0, &state, sizeof state);
    SendMessageW(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), buffer.Address());
    if (row < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    buffer.Write(0, &state, sizeof state);
    SendMessageW(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row), buffer.Address());
}

int ListViewStringWidth(HWND listView, const std::wstring& text) {
    RemoteBuffer buffer(listView, (text.size() + 1) * sizeof(wchar_t));
    buffer.Write(0, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    return static_cast<int>(SendMessageW(listView, LVM_GETSTRINGWIDTHW, 0, buffer.Address()));
}

void ClickListViewHeader(HWND listView, int column) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(listView, LVM_GETHEADER, 0, 0));
    RemoteBuffer buffer(header, sizeof(RECT));
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), buffer.Address());
    RECT bounds{};
    buffer.Read(0, &bounds, sizeof bounds);
    const LPARAM at =
        MAKELPARAM((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(header, WM_LBUTTONUP, 0, at);
}

}  // namespace zubolo::e2e
