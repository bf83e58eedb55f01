#include "settings/SettingsStore.h"

#include <cstddef>

#include "settings/IniFilePath.h"

namespace zubolo {

namespace {

// Far beyond any settings file; a larger file is not ours to rewrite.
constexpr std::size_t LargestSettingsFile = 16 * 1024 * 1024;

}  // namespace

SettingsStore::SettingsStore(FileSystem& files, const TextCodec& ansiCodePage)
    : files_(files), ansiCodePage_(ansiCodePage) {}

std::optional<IniDocument> SettingsStore::Load(std::u16string_view path) const {
    const FileContent content = files_.ReadWholeFile(path, LargestSettingsFile);
    switch (content.status) {
        case FileContent::Status::Read:
            return IniDocument::Parse(content.bytes, ansiCodePage_);
        case FileContent::Status::Missing:
            return IniDocument();
        case FileContent::Status::Unreadable:
            break;
    }
    return std::nullopt;
}

std::u16string SettingsStore::PrepareWritePath(std::u16string_view iniPath,
                                               std::u16string_view programPath) {
    const std::u16string_view folder = FolderPartOf(iniPath);
    if (folder.empty() || files_.FolderExists(folder) || files_.CreateFolderTree(folder)) {
        return std::u16string(iniPath);
    }
    return FallbackIniFilePath(programPath);
}

bool SettingsStore::Save(const IniDocument& document, std::u16string_view path) {
    const std::u16string temporary = std::u16string(path) + u".tmp";
    if (files_.WriteNewFile(temporary, document.Serialise(ansiCodePage_)) &&
        files_.MoveReplacing(temporary, path)) {
        return true;
    }
    files_.RemoveFile(temporary);
    return false;
}

}  // namespace zubolo
