#pragma once
#include <string>

#include "platform/Handles.h"

namespace zubolo {

// What mirrors a list filled at run time onto the window system's own image list.
class ImageListPeer {
  public:
    virtual ~ImageListPeer() = default;
    // Appends a copy of `icon` as the next picture; an empty icon, or one that cannot be copied,
    // appends the list's placeholder picture instead, so that the pictures stay in step.
    virtual void AppendCopy(IconHandle icon) = 0;
    virtual void RemoveAll() = 0;
};

// A list of 16 by 16 pictures. The pictures of a list with fixed content are icon resources
// numbered from `ResourceBase()`; a list filled at run time (the drive icons) has base 0 and
// takes copies of icons as they come, showing its placeholder picture where an icon is missing.
class ImageList {
  public:
    ImageList(std::u16string name, int resourceBase, int count)
        : name_(std::move(name)), resourceBase_(resourceBase), count_(count) {}
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    const std::u16string& Name() const { return name_; }
    int ResourceBase() const { return resourceBase_; }
    int Count() const { return count_; }

    // Icon resource shown for a picture that is missing from a list filled at run time.
    int PlaceholderResource() const { return placeholderResource_; }
    void SetPlaceholderResource(int resourceId) { placeholderResource_ = resourceId; }

    // Copies `icon` in as the next picture (the placeholder when it is empty); the caller still
    // owns the icon and may destroy it right after.
    void AppendCopy(IconHandle icon);
    void RemoveAll();

    void AttachPeer(ImageListPeer* peer) { peer_ = peer; }

  private:
    std::u16string name_;
    int resourceBase_;
    int count_;
    int placeholderResource_ = 0;
    ImageListPeer* peer_ = nullptr;
};

}  // namespace zubolo
