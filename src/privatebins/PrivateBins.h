#pragma once
#include <string>
#include <string_view>

#include "shell/ShellRoutines.h"

namespace zubolo {

class FileSystem;

// The name every private recycle bin starts with, before its number.
inline constexpr std::u16string_view PrivateBinBaseName = u"ごみ箱";
// A folder whose name ends in a full stop and a class identifier in braces is shown by the shell
// as an object of that class: here the Recycle Bin (CLSID_RecycleBin).
inline constexpr std::u16string_view PrivateBinSuffix = u" .{645FF040-5081-101B-9F08-00AA002F954E}";

// The first free private bin in `folder` (which ends in "\"): folder + base name + number +
// suffix, counting from 1, for the first number whose path holds no folder (a file does not
// count). A number freed by deleting its folder is found again.
std::u16string MakePrivateBinPath(const FileSystem& files, std::u16string_view folder,
                                  std::u16string_view baseName);

// The part of a private bin's folder name that the shell shows: the name up to and including
// the blank before the first " .", e.g. "ごみ箱1 ".
std::u16string PrivateBinDisplayPart(std::u16string_view path);

// Creates the next private bin on the Desktop and says so ("デスクトップに追加しました　" and the
// display part), or "新規追加できませんでした" when the folder cannot be made or the Desktop has no
// file-system path. Both notices keep the box's usual width.
void AddPrivateBin(const ShellContext& context, FileSystem& files);

}  // namespace zubolo
