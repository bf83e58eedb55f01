#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zubolo {

class FileSystem;
struct ShellContext;

// The folder part of a path: the text before its last "\" or "/", except that a path directly
// under a drive's root keeps the root with its delimiter ("C:\Zubolo.chm" gives "C:\"). A root
// ("C:\", "\\server\share") has none: the result is empty, as it is for a bare name.
std::u16string FolderPart(std::u16string_view path);

// Where the help file of the program at `programPath` may be, in the order they are tried: the
// program's path with the extension ".chm" in place of its own, then a file of that name in each
// enclosing folder up to the root.
std::vector<std::u16string> HelpFileCandidates(std::u16string_view programPath);

// Opens the first candidate that exists with the shell, its path in double quotes; when none
// exists, says so in the notice box with the help file's name.
void OpenHelpFile(const ShellContext& shell, const FileSystem& files,
                  std::u16string_view programPath);

}  // namespace zubolo
