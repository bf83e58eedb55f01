#pragma once
#include "platform/FileVersions.h"

namespace zubolo {

// Version resources through version.dll (GetFileVersionInfoSizeW, GetFileVersionInfoW,
// VerQueryValueW). The module is not one that Windows always takes from its own folder, so it is
// loaded on first use from the system folder only, never from beside the program.
class Win32FileVersions final : public FileVersions {
  public:
    std::optional<FixedFileVersion> FixedVersionOf(std::u16string_view path) const override;
};

}  // namespace zubolo
