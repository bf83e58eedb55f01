#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Handles.h"

namespace zubolo {

// Shell special-folder identifiers (CSIDL values) the program asks for. They live in their own
// namespace because the Windows headers define the CSIDL_ names as macros.
namespace Csidl {
inline constexpr std::int32_t Desktop = 0x0000;
inline constexpr std::int32_t Programs = 0x0002;
inline constexpr std::int32_t Startup = 0x0007;
inline constexpr std::int32_t SendTo = 0x0009;
inline constexpr std::int32_t Drives = 0x0011;
inline constexpr std::int32_t Profile = 0x0028;
}  // namespace Csidl

// The Windows shell as the launch routines use it: opening targets, property sheets, special
// folders and the system's text for an error number.
class Shell {
  public:
    virtual ~Shell() = default;

    // Opens `file` with the "open" verb, normal window, no owner and no working folder;
    // `parameters` absent means none. Returns the low 32 bits of the shell's result: greater
    // than 32 on success, otherwise an error number.
    virtual std::uint32_t ExecuteOpen(std::u16string_view file,
                                      std::optional<std::u16string_view> parameters) = 0;

    // Requests the property sheet of `path` through the "properties" verb without the shell's
    // own error boxes. True when the sheet was requested.
    virtual bool ExecuteProperties(std::u16string_view path) = 0;

    // Requests the property sheet of the file-system object or shell location `path`.
    // True when the sheet was requested.
    virtual bool ObjectProperties(std::u16string_view path) = 0;

    // File-system path of a special folder as the shell reports it, empty when the folder
    // cannot be located or has no file-system path.
    virtual std::u16string SpecialFolderPath(WindowHandle owner, std::int32_t csidl) = 0;

    // The system's message text for an error number exactly as the system formats it
    // (usually ending in a line break), empty when the system has none.
    virtual std::u16string SystemMessageText(std::uint32_t code) = 0;
};

}  // namespace zubolo
