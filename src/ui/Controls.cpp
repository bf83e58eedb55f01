#include "ui/Controls.h"

#include <algorithm>

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

void ListView::AddItem(ListItem item) {
    items_.push_back(std::move(item));
    Changed();
}

void ListView::ClearItems() {
    if (items_.empty()) return;
    items_.clear();
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
