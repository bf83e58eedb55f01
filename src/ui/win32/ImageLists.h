#pragma once
#include "platform/win32/OwnedHandles.h"
#include "ui/ImageList.h"

namespace zubolo {

// The pictures of `list` as a 32-bit image list of `size` by `size` pixels, taken from the
// program's icon resources (each icon file holds several sizes, so every resolution is crisp).
UniqueImageList LoadImageList(const ImageList& list, int size);

// An image list holding the one picture `index` of `source`, for a push button.
UniqueImageList SinglePicture(const ImageList& source, int index, int size);

// The window system's image list of a list filled at run time: it takes copies of icons as they
// come, and the placeholder picture where an icon is missing or cannot be copied, so that picture
// i is always the i-th one appended.
class RuntimeImageList final : public ImageListPeer {
  public:
    RuntimeImageList(ImageList& model, int size);
    ~RuntimeImageList() override;
    RuntimeImageList(const RuntimeImageList&) = delete;
    RuntimeImageList& operator=(const RuntimeImageList&) = delete;

    HIMAGELIST Handle() const { return list_.get(); }
    // Draws the pictures again at `size` pixels into a new list, which this then holds. Returns
    // the old list: the caller keeps it until no window shows it any more.
    UniqueImageList Resize(int size);

    void AppendCopy(IconHandle icon) override;
    void RemoveAll() override;

  private:
    void Append(HICON icon);

    ImageList& model_;
    UniqueImageList list_;
    UniqueIcon placeholder_;
};

}  // namespace zubolo
