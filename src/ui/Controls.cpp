#include "ui/Controls.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace zubolo {

void Button::SetImage(const ImageList* images, int index) {
    if (images == images_ && index == imageIndex_) return;
    images_ = images;
    imageIndex_ = index;
    Changed();
}

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Changed();
    Fire(OnClick);
}

void RadioGroup::SetItemIndex(int index) {
    const int count = static_cast<int>(items_.size());
    const int clamped = index >= count ? count - 1 : std::max(index, -1);
    if (clamped == itemIndex_) return;
    itemIndex_ = clamped;
    Changed();
}

void TabSheet::SetTabVisible(bool visible) {
    if (visible == tabVisible_) return;
    tabVisible_ = visible;
    Changed();
    if (owner_ != nullptr) owner_->TabsChanged();
}

void PageControl::AddPage(TabSheet& page) {
    Add(page);
    page.SetAlign(Align::Client);
    page.owner_ = this;
    pages_.push_back(&page);
    if (active_ == nullptr) active_ = &page;
}

std::vector<TabSheet*> PageControl::VisibleTabs() const {
    std::vector<TabSheet*> tabs;
    std::copy_if(pages_.begin(), pages_.end(), std::back_inserter(tabs),
                 [](const TabSheet* page) { return page->TabVisible(); });
    return tabs;
}

void PageControl::SetActivePage(TabSheet& page) {
    if (&page == active_) return;
    active_ = &page;
    Changed();
}

void PageControl::SetTabWidth(int width) {
    if (width == tabWidth_) return;
    tabWidth_ = width;
    Changed();
}

void PageControl::SelectVisibleTab(int position) {
    const auto tabs = VisibleTabs();
    if (position < 0 || position >= static_cast<int>(tabs.size())) return;
    if (tabs[position] == active_) return;
    active_ = tabs[position];
    Changed();
    Fire(OnChange);
}

void ListView::SetColumns(std::vector<ListColumn> columns) {
    columns_ = std::move(columns);
    ++columnRequests_;
    ShowChanges();
}

void ListView::SetColumnWidth(int column, int width, ColumnFit fit) {
    if (column < 0 || column >= static_cast<int>(columns_.size())) return;
    columns_[static_cast<std::size_t>(column)].width = width;
    columns_[static_cast<std::size_t>(column)].fit = fit;
    ++columnRequests_;
    ShowChanges();
}

void ListView::AddItem(ListItem item) {
    items_.push_back(std::move(item));
    ShowChanges();
}

void ListView::ClearItems() {
    if (items_.empty()) return;
    items_.clear();
    selected_ = -1;
    ShowChanges();
}

void ListView::SetSubItemText(int row, int subItem, std::u16string text) {
    if (row < 0 || row >= static_cast<int>(items_.size()) || subItem < 0) return;
    std::vector<std::u16string>& texts = items_[static_cast<std::size_t>(row)].subItems;
    if (subItem >= static_cast<int>(texts.size())) return;
    std::u16string& shown = texts[static_cast<std::size_t>(subItem)];
    if (shown == text) return;
    shown = std::move(text);
    ShowChanges();
}

std::vector<std::u16string_view> ListView::ColumnTexts(int column) const {
    std::vector<std::u16string_view> texts;
    for (const ListItem& item : items_) {
        if (column == 0) {
            texts.push_back(item.caption);
        } else if (column > 0 && static_cast<std::size_t>(column) <= item.subItems.size()) {
            texts.push_back(item.subItems[static_cast<std::size_t>(column) - 1]);
        } else {
            texts.emplace_back();
        }
    }
    return texts;
}

void ListView::Select(int row) {
    const int selected = row >= 0 && row < static_cast<int>(items_.size()) ? row : -1;
    if (selected == selected_) return;
    selected_ = selected;
    ShowChanges();
}

// Insertion sort: a row moves up only past rows the comparison puts after it. However the
// comparison answers, every step moves one row one place, so the sort ends and loses no row.
void ListView::Sort() {
    if (!OnCompare || items_.size() < 2) return;
    std::vector<std::size_t> order(items_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    for (std::size_t i = 1; i < order.size(); ++i) {
        for (std::size_t j = i; j > 0 && OnCompare(items_[order[j - 1]], items_[order[j]]) > 0; --j)
            std::swap(order[j - 1], order[j]);
    }
    std::vector<ListItem> sorted;
    sorted.reserve(items_.size());
    int selected = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (static_cast<int>(order[i]) == selected_) selected = static_cast<int>(i);
        sorted.push_back(std::move(items_[order[i]]));
    }
    items_ = std::move(sorted);
    selected_ = selected;
    ShowChanges();
}

void ListView::EndUpdate() {
    if (updateDepth_ > 0) --updateDepth_;
    if (updateDepth_ == 0 && showPending_) {
        showPending_ = false;
        Changed();
    }
}

void ListView::ShowChanges() {
    if (updateDepth_ > 0) {
        showPending_ = true;
        return;
    }
    Changed();
}

void StatusBar::SetPanelText(int index, std::u16string text) {
    auto& panel = panels_.at(index);
    if (panel.text == text) return;
    panel.text = std::move(text);
    Changed();
}

void StatusBar::SetPanelWidth(int index, int designWidth) {
    auto& panel = panels_.at(index);
    if (panel.width == designWidth) return;
    panel.width = designWidth;
    Changed();
}

}  // namespace zubolo
