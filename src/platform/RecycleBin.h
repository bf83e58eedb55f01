#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Handles.h"

namespace zubolo {

// How full the Recycle Bin is. Only `ok` (the shell answered S_OK) makes the figures valid;
// `result` keeps the shell's result code either way.
struct RecycleBinQuery {
    bool ok = false;
    std::int32_t result = 0;
    std::uint64_t itemCount = 0;
    std::uint64_t totalSize = 0;
};

// The shell's answer to one delete with undo: 0 when the item went to the bin; `aborted` when the
// shell reports that some of the operation was cancelled.
struct DeleteResult {
    int result = 0;
    bool aborted = false;
};

// The shell's Recycle Bin. The program never stores, restores or empties items itself.
class RecycleBin {
  public:
    virtual ~RecycleBin() = default;
    // rootPath: a drive name such as u"C:" for that drive's bin, or nothing for all drives.
    virtual RecycleBinQuery Query(const std::optional<std::u16string>& rootPath) = 0;
    // Hands one path to the shell, which moves it to the bin with its own confirmation, progress
    // and error displays, owned by `owner`.
    virtual DeleteResult DeleteWithUndo(std::u16string_view path, WindowHandle owner) = 0;
};

}  // namespace zubolo
