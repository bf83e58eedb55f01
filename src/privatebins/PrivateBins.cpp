#include "privatebins/PrivateBins.h"

#include <cstdint>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Shell.h"

namespace zubolo {

namespace {

constexpr std::u16string_view AddedNotice = u"デスクトップに追加しました\u3000";
constexpr std::u16string_view NotAddedNotice = u"新規追加できませんでした";

std::u16string Candidate(std::u16string_view folder, std::u16string_view baseName,
                         std::uint64_t number) {
    const std::string digits = std::to_string(number);
    std::u16string path(folder);
    path.append(baseName).append(digits.begin(), digits.end()).append(PrivateBinSuffix);
    return path;
}

}  // namespace

std::u16string MakePrivateBinPath(const FileSystem& files, std::u16string_view folder,
                                  std::u16string_view baseName) {
    std::uint64_t number = 1;
    while (files.FolderExists(Candidate(folder, baseName, number))) ++number;
    return Candidate(folder, baseName, number);
}

std::u16string PrivateBinDisplayPart(std::u16string_view path) {
    const std::size_t delimiter = path.find_last_of(u'\\');
    if (delimiter != std::u16string_view::npos) path.remove_prefix(delimiter + 1);
    const std::size_t dot = path.find(u" .");
    return std::u16string(dot == std::u16string_view::npos ? path : path.substr(0, dot + 1));
}

void AddPrivateBin(const ShellContext& context, FileSystem& files) {
    const std::u16string desktop = GetSpecialFolderPath(context, Csidl::Desktop);
    // Without a Desktop folder the path would name the root of the current drive.
    if (desktop != NoFileSystemFolder) {
        const std::u16string path = MakePrivateBinPath(files, desktop, PrivateBinBaseName);
        if (files.CreateFolderTree(path)) {
            ShowPlainMessage(context, std::u16string(AddedNotice) + PrivateBinDisplayPart(path),
                             NoticeWidth::Standard);
            return;
        }
    }
    ShowPlainMessage(context, NotAddedNotice, NoticeWidth::Standard);
}

}  // namespace zubolo
