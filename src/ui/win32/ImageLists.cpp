#include "ui/win32/ImageLists.h"

namespace zubolo {
namespace {

void AddIconResource(HIMAGELIST list, int resourceId, int size) {
    UniqueIcon icon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    if (icon) ImageList_AddIcon(list, icon.get());
}

}  // namespace

UniqueImageList LoadImageList(const ImageList& list, int size) {
    UniqueImageList images(ImageList_Create(size, size, ILC_COLOR32, list.Count(), 4));
    if (!images) return images;
    for (int i = 0; i < list.Count(); ++i)
        AddIconResource(images.get(), list.ResourceBase() + i, size);
    return images;
}

UniqueImageList SinglePicture(const ImageList& source, int index, int size) {
    UniqueImageList images(ImageList_Create(size, size, ILC_COLOR32, 1, 0));
    if (images && index >= 0 && index < source.Count() && source.ResourceBase() != 0) {
        AddIconResource(images.get(), source.ResourceBase() + index, size);
    }
    return images;
}

}  // namespace zubolo
