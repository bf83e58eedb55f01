#pragma once
#include <cstdint>
#include <memory>
#include <string_view>

namespace zubolo {

// The result code (HRESULT) of a COM call that succeeded; every other value is a failure.
inline constexpr std::int32_t ResultOk = 0;  // S_OK
// The result code for a path whose folder does not exist.
inline constexpr std::int32_t ResultPathNotFound =
    static_cast<std::int32_t>(0x80070003);  // HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)

// One shell link object, filled through its IShellLinkW interface and written to a shortcut file
// through its IPersistFile interface. Each call returns the HRESULT of the method it makes.
class ShellLink {
  public:
    virtual ~ShellLink() = default;

    virtual std::int32_t SetPath(std::u16string_view path) = 0;
    virtual std::int32_t SetWorkingDirectory(std::u16string_view folder) = 0;
    virtual std::int32_t SetDescription(std::u16string_view description) = 0;

    // Takes the object's IPersistFile interface, which Save needs.
    virtual std::int32_t QueryPersistFile() = 0;
    // Saves the link to the file at `linkPath` (IPersistFile::Save with fRemember FALSE),
    // replacing a file that is there.
    virtual std::int32_t Save(std::u16string_view linkPath) = 0;
};

// A new link object, or the HRESULT of the step that failed to make it.
struct ShellLinkCreation {
    std::unique_ptr<ShellLink> link;
    std::int32_t result = ResultOk;
};

// The shell's link objects (CLSID_ShellLink).
class ShellLinks {
  public:
    virtual ~ShellLinks() = default;
    // Creates a link object in process or out of it and takes its IShellLinkW interface.
    virtual ShellLinkCreation Create() = 0;
};

}  // namespace zubolo
