#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace zubolo {

// What reading a whole file found. `Unreadable` covers a file that exists but could not be read
// (locked, no access, larger than asked for), so that callers never mistake it for a missing one.
struct FileContent {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;
};

// Files and folders on disk.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    virtual FileContent ReadWholeFile(std::u16string_view path, std::size_t maxBytes) const = 0;

    // Creates the file, or empties an existing one, writes `bytes` and flushes them to the disk.
    // False when any step fails; the file may then hold part of the bytes.
    virtual bool WriteNewFile(std::u16string_view path, std::string_view bytes) = 0;

    // Renames `source` to `target` in one step, replacing `target` when it exists, and returns
    // once the rename has reached the disk. Both lie in the same folder.
    virtual bool MoveReplacing(std::u16string_view source, std::u16string_view target) = 0;

    virtual bool RemoveFile(std::u16string_view path) = 0;

    // A trailing path delimiter is allowed in both. A link to a folder exists while its target
    // can be opened.
    virtual bool FolderExists(std::u16string_view path) const = 0;
    // Creates the folder with every missing folder above it; true when it exists afterwards.
    virtual bool CreateFolderTree(std::u16string_view path) = 0;

    // True when `path` names a file (not a folder); a link counts when the file it points to
    // exists.
    virtual bool FileExists(std::u16string_view path) const = 0;
};

}  // namespace zubolo
