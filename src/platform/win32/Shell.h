#pragma once
#include "platform/Shell.h"

namespace zubolo {

// The shell launch calls made through ShellExecuteW, ShellExecuteExW, SHObjectProperties,
// SHGetSpecialFolderLocation and FormatMessageW.
class Win32Shell final : public Shell {
  public:
    std::uint32_t ExecuteOpen(std::u16string_view file,
                              std::optional<std::u16string_view> parameters) override;
    bool ExecuteProperties(std::u16string_view path) override;
    bool ObjectProperties(std::u16string_view path) override;
    std::u16string SpecialFolderPath(WindowHandle owner, std::int32_t csidl) override;
    std::u16string SystemMessageText(std::uint32_t code) override;
};

}  // namespace zubolo
