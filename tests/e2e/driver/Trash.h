#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace zubolo::e2e {

// Files of these sizes in a fresh folder `folderName` of the temporary folder; returns their
// paths. The files are sparse where the file system allows, so large sizes cost no disk space.
std::vector<std::wstring> MakeFiles(const std::wstring& folderName,
                                    const std::vector<unsigned long long>& sizes);

// Moves the files to the Recycle Bin in one shell operation, as Explorer's Delete key does.
void MoveToRecycleBin(const std::vector<std::wstring>& paths);

void EmptyRecycleBin();

}  // namespace zubolo::e2e
