#pragma once
#include "platform/RecycleBin.h"

namespace zubolo {

class Win32RecycleBin final : public RecycleBin {
  public:
    RecycleBinQuery Query(const std::optional<std::u16string>& rootPath) override;
    DeleteResult DeleteWithUndo(std::u16string_view path, WindowHandle owner) override;
};

}  // namespace zubolo
