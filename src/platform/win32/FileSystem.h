#pragma once
#include "platform/FileSystem.h"

namespace zubolo {

// Files and folders through the Win32 file API.
class Win32FileSystem final : public FileSystem {
  public:
    FileContent ReadWholeFile(std::u16string_view path, std::size_t maxBytes) const override;
    bool WriteNewFile(std::u16string_view path, std::string_view bytes) override;
    bool MoveReplacing(std::u16string_view source, std::u16string_view target) override;
    bool RemoveFile(std::u16string_view path) override;
    bool FolderExists(std::u16string_view path) const override;
    bool CreateFolderTree(std::u16string_view path) override;
    bool FileExists(std::u16string_view path) const override;
};

}  // namespace zubolo
