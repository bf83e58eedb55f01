#include "ui/Control.h"

namespace zubolo {

void Control::SetCaption(std::u16string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    Changed();
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed();
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed();
}

void Control::PlaceInCell(GridCell cell) {
    cell_ = cell;
    align_ = Align::Cell;
}

void Control::Add(Control& child) {
    child.parent_ = this;
    children_.push_back(&child);
}

void Control::Changed() const {
    if (peer_ != nullptr) peer_->StateChanged();
}

}  // namespace zubolo
