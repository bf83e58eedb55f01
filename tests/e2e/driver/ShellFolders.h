#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace zubolo::e2e {

// What the shell of the test prefix shows, asked the way a program asks.

// The file-system path of a special folder (a CSIDL value).
std::wstring SpecialFolderPath(int csidl);

// The name the shell shows for a path; Explorer captions a folder window with it.
std::wstring DisplayNameOfPath(const std::wstring& path);

// The names of the items in the Recycle Bin, as the shell's Recycle Bin folder lists them.
std::vector<std::wstring> RecycleBinItemNames();

}  // namespace zubolo::e2e
