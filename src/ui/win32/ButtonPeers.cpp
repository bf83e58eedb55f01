#include "ui/win32/ButtonPeers.h"

#include <algorithm>

#include "platform/win32/WideText.h"
#include "ui/Layout.h"

namespace zubolo {

void ButtonPeer::Create(HWND parent) {
    // Captions wrap rather than being cut off where a font runs wider than the design's.
    MakeWindow(parent, WC_BUTTONW, BS_PUSHBUTTON | BS_MULTILINE);
    Apply();
}

void ButtonPeer::Apply() {
    ApplyCommon();
    if (button_.Images() != shownList_ || button_.ImageIndex() != shownIndex_) ApplyImage();
}

void ButtonPeer::ResolutionChanged() {
    shownList_ = nullptr;
    WindowPeer::ResolutionChanged();
}

void ButtonPeer::ApplyImage() {
    shownList_ = button_.Images();
    shownIndex_ = button_.ImageIndex();
    if (shownList_ == nullptr) return;
    const int margin = host_.Scale(button_.ImageMargin());
    BUTTON_IMAGELIST settings{host_.Picture(*shownList_, shownIndex_),
                              {margin, 0, margin, 0},
                              BUTTON_IMAGELIST_ALIGN_LEFT};
    SendMessageW(hwnd_, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&settings));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ButtonPeer::OnCommand(int code, HWND) {
    if (code == BN_CLICKED) button_.Click();
}

void CheckBoxPeer::Create(HWND parent) {
    MakeWindow(parent, WC_BUTTONW, BS_CHECKBOX | BS_MULTILINE);
    Apply();
}

void CheckBoxPeer::Apply() {
    ApplyCommon();
    SendMessageW(hwnd_, BM_SETCHECK, checkBox_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBoxPeer::OnCommand(int code, HWND) {
    if (code == BN_CLICKED) checkBox_.Toggle();
}

void GroupBoxPeer::Create(HWND parent) {
    model_.SetTabStop(false);
    MakeWindow(parent, WC_BUTTONW, BS_GROUPBOX);
    Apply();
}

Rect GroupBoxContent(const Rect& bounds, HFONT font, int scaledBorder) {
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    const SelectionScope selected(dc.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    return {bounds.left + scaledBorder, bounds.top + metrics.tmHeight, bounds.right - scaledBorder,
            bounds.bottom - scaledBorder};
}

void RadioGroupPeer::Create(HWND parent) {
    model_.SetTabStop(false);
    MakeWindow(parent, WC_BUTTONW, BS_GROUPBOX);
    for (size_t i = 0; i < group_.Items().size(); ++i) {
        const std::wstring text = ToWide(group_.Items()[i]);
        const DWORD style = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | BS_MULTILINE |
                            (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
        HWND item = CreateWindowExW(0, WC_BUTTONW, text.c_str(), style, 0, 0, 0, 0, parent, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(host_.Font()), FALSE);
        if (!model_.Hint().empty()) host_.AddHint(item, model_.Hint());
        items_.push_back(item);
    }
    Apply();
}

void RadioGroupPeer::Place() {
    if (!MoveToBounds()) return;
    const Rect inner = GroupBoxContent(model_.Bounds(), host_.Font(), host_.Scale(6));
    const auto rects = RadioItemRects(inner, static_cast<int>(items_.size()), group_.Columns());
    for (size_t i = 0; i < items_.size(); ++i) {
        const Rect& r = rects[i];
        MoveWindow(items_[i], r.left, r.top, r.Width(), r.Height(), TRUE);
    }
}

void RadioGroupPeer::Apply() {
    ApplyCommon();
    for (size_t i = 0; i < items_.size(); ++i) {
        const bool selected = static_cast<int>(i) == group_.ItemIndex();
        SendMessageW(items_[i], BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(items_[i], model_.Enabled() ? TRUE : FALSE);
        ShowWindow(items_[i], model_.Visible() ? SW_SHOWNA : SW_HIDE);
    }
}

void RadioGroupPeer::ResolutionChanged() {
    for (HWND item : items_)
        SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(host_.Font()), TRUE);
    WindowPeer::ResolutionChanged();
}

void RadioGroupPeer::OnCommand(int code, HWND from) {
    if (code != BN_CLICKED) return;
    const auto found = std::find(items_.begin(), items_.end(), from);
    if (found != items_.end()) group_.SetItemIndex(static_cast<int>(found - items_.begin()));
}

bool RadioGroupPeer::Owns(HWND window) const {
    return window == hwnd_ || std::find(items_.begin(), items_.end(), window) != items_.end();
}

}  // namespace zubolo
