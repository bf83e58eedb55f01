#pragma once
#include <string>
#include <string_view>

#include "platform/KnownPaths.h"

namespace zubolo {

// Path rules of the settings file. Both "\" and "/" count as path delimiters.

// An absolute path starts with a delimiter or with a drive letter and ":".
bool IsAbsolutePath(std::u16string_view path);

// `second` when it is absolute or `first` is empty; otherwise both, with a backslash between them
// unless `first` already ends with a delimiter.
std::u16string JoinPath(std::u16string_view first, std::u16string_view second);

// The text after the last delimiter.
std::u16string_view FileNameOf(std::u16string_view path);

// Everything up to and including the last delimiter; empty when there is none.
std::u16string_view FolderPartOf(std::u16string_view path);

// The folder part without its final delimiter.
std::u16string_view FolderOf(std::u16string_view path);

// The file name up to, not including, its last dot; all of it when it has no dot.
std::u16string_view ProgramNameOf(std::u16string_view programPath);

// <application data>\Quorvane\<program name>\<program name>.ini. Without an application-data
// folder the path is relative, below the current folder.
std::u16string GetIniFilePath(std::u16string_view appDataFolder, std::u16string_view programPath);
std::u16string GetIniFilePath(const KnownPaths& paths);

// The settings file beside the program: its path with the extension replaced by ".ini".
std::u16string FallbackIniFilePath(std::u16string_view programPath);

}  // namespace zubolo
