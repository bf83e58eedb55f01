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

// Many items put straight into the trash folders under XDG_DATA_HOME, where Wine's shell keeps
// the Recycle Bin: moving thousands of files through the shell would take minutes. Each item is
// `itemSize` bytes. The items are removed again when the object goes.
class FilledTrash {
  public:
    FilledTrash(int count, int itemSize);
    ~FilledTrash();
    FilledTrash(const FilledTrash&) = delete;
    FilledTrash& operator=(const FilledTrash&) = delete;

  private:
    std::wstring files_;
    std::wstring info_;
    int count_;
};

}  // namespace zubolo::e2e
