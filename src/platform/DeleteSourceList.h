#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zubolo {

// The shell's delete takes a list of paths, each ended by a NUL, the list ended by a second NUL,
// and expands wildcards in a name. Returns that list for exactly the one item `path` names:
// nothing when the path is empty, holds a NUL (which would split it into several paths) or has a
// wildcard "*" or "?" in its last part (which would make it name any number of items).
std::optional<std::u16string> DeleteSourceList(std::u16string_view path);

}  // namespace zubolo
