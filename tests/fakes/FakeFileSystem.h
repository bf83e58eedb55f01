#pragma once
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace zubolo {

// Files and folders in memory. Paths are compared as they are, apart from trailing delimiters
// of folders. A test can make reading, writing, moving or creating folders fail; every change
// is recorded in `calls`.
class FakeFileSystem final : public FileSystem {
  public:
    std::map<std::u16string, std::string> files;
    std::set<std::u16string> folders;
    std::set<std::u16string> unreadableFiles;
    // A write that fails part-way, as on a full disk, leaves this many bytes in the file.
    std::optional<std::size_t> writeFailsAfter;
    bool moveFails = false;
    bool folderCreationFails = false;
    std::vector<std::u16string> calls;

    FileContent ReadWholeFile(std::u16string_view path, std::size_t maxBytes) const override {
        const std::u16string key(path);
        const auto file = files.find(key);
        if (file == files.end()) return {FileContent::Status::Missing, {}};
        if (unreadableFiles.contains(key) || file->second.size() > maxBytes) {
            return {FileContent::Status::Unreadable, {}};
        }
        return {FileContent::Status::Read, file->second};
    }

    bool WriteNewFile(std::u16string_view path, std::string_view bytes) override {
        calls.push_back(u"write " + std::u16string(path));
        if (writeFailsAfter) {
            files[std::u16string(path)] = bytes.substr(0, *writeFailsAfter);
            return false;
        }
        files[std::u16string(path)] = bytes;
        return true;
    }

    bool MoveReplacing(std::u16string_view source, std::u16string_view target) override {
        calls.push_back(u"move " + std::u16string(source) + u" > " + std::u16string(target));
        const auto file = files.find(std::u16string(source));
        if (moveFails || file == files.end()) return false;
        std::string bytes = std::move(file->second);
        files.erase(file);
        files[std::u16string(target)] = std::move(bytes);
        return true;
    }

    bool RemoveFile(std::u16string_view path) override {
        calls.push_back(u"remove " + std::u16string(path));
        return files.erase(std::u16string(path)) > 0;
    }

    bool FolderExists(std::u16string_view path) const override {
        return folders.contains(WithoutTrailingDelimiters(path));
    }

    bool CreateFolderTree(std::u16string_view path) override {
        calls.push_back(u"create folder " + std::u16string(path));
        if (folderCreationFails) return false;
        const std::u16string folder = WithoutTrailingDelimiters(path);
        for (std::size_t at = folder.find(u'\\'); at != std::u16string::npos;
             at = folder.find(u'\\', at + 1)) {
            folders.insert(folder.substr(0, at));
        }
        folders.insert(folder);
        return true;
    }

    bool FileExists(std::u16string_view path) const override {
        return files.contains(std::u16string(path));
    }

  private:
    static std::u16string WithoutTrailingDelimiters(std::u16string_view path) {
        while (!path.empty() && (path.back() == u'\\' || path.back() == u'/'))
            path.remove_suffix(1);
        return std::u16string(path);
    }
};

}  // namespace zubolo
