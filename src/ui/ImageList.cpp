#include "ui/ImageList.h"

namespace zubolo {

void ImageList::AppendCopy(IconHandle icon) {
    ++count_;
    if (peer_ != nullptr) peer_->AppendCopy(icon);
}

void ImageList::RemoveAll() {
    count_ = 0;
    if (peer_ != nullptr) peer_->RemoveAll();
}

}  // namespace zubolo
