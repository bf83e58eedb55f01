#include "ui/win32/ImageLists.h"

#include "platform/win32/Hwnd.h"

namespace zubolo {
namespace {

UniqueIcon LoadIconResource(int resourceId, int size) {
    return UniqueIcon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

void AddIconResource(HIMAGELIST list, int resourceId, int size) {
    if (UniqueIcon icon = LoadIconResource(resourceId, size)) ImageList_AddIcon(list, icon.get());
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

RuntimeImageList::RuntimeImageList(ImageList& model, int size)
    : model_(model),
      list_(ImageList_Create(size, size, ILC_COLOR32, 4, 4)),
      placeholder_(LoadIconResource(model.PlaceholderResource(), size)) {
    model_.AttachPeer(this);
}

RuntimeImageList::~RuntimeImageList() {
    model_.AttachPeer(nullptr);
}

void RuntimeImageList::Append(HICON icon) {
    const int before = ImageList_GetImageCount(list_.get());
    if (icon == nullptr || ImageList_AddIcon(list_.get(), icon) < 0) {
        ImageList_AddIcon(list_.get(), placeholder_.get());
    }
    // Without even the placeholder a blank picture keeps the later ones in their places.
    if (ImageList_GetImageCount(list_.get()) == before) {
        ImageList_SetImageCount(list_.get(), static_cast<UINT>(before + 1));
    }
}

void RuntimeImageList::AppendCopy(IconHandle icon) {
    Append(ToHicon(icon));
}

void RuntimeImageList::RemoveAll() {
    ImageList_RemoveAll(list_.get());
}

UniqueImageList RuntimeImageList::Resize(int size) {
    UniqueImageList old(ImageList_Create(size, size, ILC_COLOR32, 4, 4));
    old.swap(list_);
    placeholder_ = LoadIconResource(model_.PlaceholderResource(), size);
    const int count = ImageList_GetImageCount(old.get());
    for (int i = 0; i < count; ++i) {
        const UniqueIcon picture(ImageList_GetIcon(old.get(), i, ILD_NORMAL));
        Append(picture.get());
    }
    return old;
}

}  // namespace zubolo
