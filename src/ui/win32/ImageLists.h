#pragma once
#include "platform/win32/OwnedHandles.h"
#include "ui/ImageList.h"

namespace zubolo {

// The pictures of `list` as a 32-bit image list of `size` by `size` pixels, taken from the
// program's icon resources (each icon file holds several sizes, so every resolution is crisp).
UniqueImageList LoadImageList(const ImageList& list, int size);

// An image list holding the one picture `index` of `source`, for a push button.
UniqueImageList SinglePicture(const ImageList& source, int index, int size);

}  // namespace zubolo
