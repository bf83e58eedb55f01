#pragma once
#include <string>

namespace zubolo {

// A list of 16 by 16 pictures. The pictures of a list with fixed content are icon resources
// numbered from `ResourceBase()`; a list filled at run time (the drive icons) has base 0.
class ImageList {
  public:
    ImageList(std::u16string name, int resourceBase, int count)
        : name_(std::move(name)), resourceBase_(resourceBase), count_(count) {}

    const std::u16string& Name() const { return name_; }
    int ResourceBase() const { return resourceBase_; }
    int Count() const { return count_; }

  private:
    std::u16string name_;
    int resourceBase_;
    int count_;
};

}  // namespace zubolo
