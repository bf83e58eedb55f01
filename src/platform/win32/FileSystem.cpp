#include "platform/win32/FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/OwnedHandles.h"
#include "platform/win32/WideText.h"

namespace zubolo {

namespace {

// Reads and writes go in pieces that a DWORD count can always hold.
constexpr std::size_t ChunkBytes = 1 << 20;

// A folder that is a link (a junction, a symbolic link) counts only while its target can be
// opened: a link to a folder that went away is no folder.
bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return false;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return true;
    const UniqueFileHandle target(
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return static_cast<bool>(target);
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

std::wstring WithoutTrailingDelimiters(std::wstring path) {
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

}  // namespace

FileContent Win32FileSystem::ReadWholeFile(std::u16string_view path, std::size_t maxBytes) const {
    const FileContent unreadable{FileContent::Status::Unreadable, {}};
    const UniqueFileHandle file(CreateFileW(
        ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return {FileContent::Status::Missing, {}};
        }
        return unreadable;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        return unreadable;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - filled, ChunkBytes));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + filled, chunk, &read, nullptr)) return unreadable;
        if (read == 0) break;  // the file became shorter since its size was taken
        filled += read;
    }
    bytes.resize(filled);
    return {FileContent::Status::Read, std::move(bytes)};
}

bool Win32FileSystem::WriteNewFile(std::u16string_view path, std::string_view bytes) {
    UniqueFileHandle file(CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size() - written, ChunkBytes));
        DWORD done = 0;
        if (!WriteFile(file.get(), bytes.data() + written, chunk, &done, nullptr) || done == 0) {
            return false;
        }
        written += done;
    }
    return FlushFileBuffers(file.get()) && file.Close();
}

// MoveFileExW rather than ReplaceFileW: a rename within one folder is a single step whether or
// not the target exists, while ReplaceFileW needs an existing target and has failure modes that
// leave neither file under the target's name.
bool Win32FileSystem::MoveReplacing(std::u16string_view source, std::u16string_view target) {
    return MoveFileExW(ToWide(source).c_str(), ToWide(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool Win32FileSystem::RemoveFile(std::u16string_view path) {
    return DeleteFileW(ToWide(path).c_str()) != FALSE;
}

bool Win32FileSystem::FolderExists(std::u16string_view path) const {
    return IsFolder(ToWide(path));
}

// Walks up from the folder to the first one that exists, then creates the missing ones from the
// top down. Creating a part may fail harmlessly (a share's root, say); the last test decides.
bool Win32FileSystem::CreateFolderTree(std::u16string_view path) {
    const std::wstring wide = ToWide(path);
    std::vector<std::wstring> missing;
    for (std::wstring folder = WithoutTrailingDelimiters(FullPath(wide));
         !folder.empty() && !IsFolder(folder);) {
        missing.push_back(folder);
        const std::size_t delimiter = folder.find_last_of(L"\\/");
        if (delimiter == std::wstring::npos) break;
        folder = WithoutTrailingDelimiters(folder.substr(0, delimiter));
    }
    for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder) {
        CreateDirectoryW(folder->c_str(), nullptr);
    }
    return IsFolder(wide);
}

// A link (a reparse point) counts when what it points to opens as a file.
bool Win32FileSystem::FileExists(std::u16string_view path) const {
    const std::wstring wide = ToWide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return true;
    const UniqueFileHandle target(
        CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(target);
}

}  // namespace zubolo
