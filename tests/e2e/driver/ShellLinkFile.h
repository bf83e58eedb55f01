#pragma once
#include <windows.h>

#include <string>

namespace zubolo::e2e {

// What a shortcut file holds, read back through the shell's link object.
struct ShortcutContent {
    std::wstring target;  // as stored, without the shell resolving it
    std::wstring arguments;
    std::wstring workingFolder;
    std::wstring description;
};

ShortcutContent ReadShortcut(const std::wstring& path);

// Writes a shortcut through the shell's link object and returns the HRESULT of the save.
HRESULT WriteShortcut(const std::wstring& path, const ShortcutContent& content);

}  // namespace zubolo::e2e
