#include "settings/IniFilePath.h"

namespace zubolo {

namespace {

constexpr std::u16string_view Delimiters = u"\\/";
constexpr std::u16string_view MakerFolder = u"Quorvane";

bool IsDelimiter(char16_t c) {
    return Delimiters.find(c) != std::u16string_view::npos;
}

bool IsDriveLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Where the file name begins: just after the last delimiter.
std::size_t FileNameStart(std::u16string_view path) {
    const std::size_t delimiter = path.find_last_of(Delimiters);
    return delimiter == std::u16string_view::npos ? 0 : delimiter + 1;
}

}  // namespace

bool IsAbsolutePath(std::u16string_view path) {
    if (!path.empty() && IsDelimiter(path.front())) return true;
    return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == u':';
}

std::u16string JoinPath(std::u16string_view first, std::u16string_view second) {
    if (IsAbsolutePath(second) || first.empty()) return std::u16string(second);
    std::u16string joined(first);
    if (!IsDelimiter(first.back())) joined += u'\\';
    joined += second;
    return joined;
}

std::u16string_view FileNameOf(std::u16string_view path) {
    return path.substr(FileNameStart(path));
}

std::u16string_view FolderPartOf(std::u16string_view path) {
    return path.substr(0, FileNameStart(path));
}

std::u16string_view FolderOf(std::u16string_view path) {
    const std::u16string_view folderPart = FolderPartOf(path);
    return folderPart.substr(0, folderPart.empty() ? 0 : folderPart.size() - 1);
}

std::u16string_view ProgramNameOf(std::u16string_view programPath) {
    const std::u16string_view fileName = FileNameOf(programPath);
    return fileName.substr(0, fileName.rfind(u'.'));
}

std::u16string GetIniFilePath(std::u16string_view appDataFolder, std::u16string_view programPath) {
    const std::u16string_view programName = ProgramNameOf(programPath);
    const std::u16string folder = JoinPath(JoinPath(appDataFolder, MakerFolder), programName);
    return JoinPath(folder, std::u16string(programName) + u".ini");
}

std::u16string GetIniFilePath(const KnownPaths& paths) {
    return GetIniFilePath(paths.RoamingAppDataFolder(), paths.ProgramFilePath());
}

std::u16string FallbackIniFilePath(std::u16string_view programPath) {
    const std::u16string_view withoutExtension =
        programPath.substr(0, FolderPartOf(programPath).size() + ProgramNameOf(programPath).size());
    return std::u16string(withoutExtension) + u".ini";
}

}  // namespace zubolo
