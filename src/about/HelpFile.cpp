#include "about/HelpFile.h"

#include <algorithm>

#include "platform/FileSystem.h"
#include "shell/ShellRoutines.h"

namespace zubolo {
namespace {

constexpr std::u16string_view HelpExtension = u".chm";
constexpr std::u16string_view NotFoundHead = u"HelpFile Not Found.\r\n\r\n";

bool IsDelimiter(char16_t c) {
    return c == u'\\' || c == u'/';
}

// Length of the root at the start of the path: "C:\" (3) or "C:" (2), "\\server\share" (a
// network share, without a delimiter after it), a single leading delimiter (1); 0 for a relative
// path.
std::size_t RootLength(std::u16string_view path) {
    if (path.size() >= 2 && path[1] == u':') {
        return path.size() >= 3 && IsDelimiter(path[2]) ? 3 : 2;
    }
    if (path.size() >= 2 && IsDelimiter(path[0]) && IsDelimiter(path[1])) {
        std::size_t at = 2;
        while (at < path.size() && !IsDelimiter(path[at])) ++at;  // the server's name
        if (at < path.size()) ++at;
        while (at < path.size() && !IsDelimiter(path[at])) ++at;  // the share's name
        return at;
    }
    return !path.empty() && IsDelimiter(path[0]) ? 1 : 0;
}

std::u16string_view FileNamePart(std::u16string_view path) {
    const std::size_t delimiter = path.find_last_of(u"\\/");
    return delimiter == std::u16string_view::npos ? path : path.substr(delimiter + 1);
}

std::u16string WithHelpExtension(std::u16string_view path) {
    const std::size_t nameStart = path.size() - FileNamePart(path).size();
    const std::size_t dot = path.rfind(u'.');
    const std::size_t stemEnd =
        dot != std::u16string_view::npos && dot >= nameStart ? dot : path.size();
    return std::u16string(path.substr(0, stemEnd)) + std::u16string(HelpExtension);
}

// "C:\" + "Zubolo.chm" and "C:\Tools" + "Zubolo.chm" both with one delimiter between.
std::u16string Joined(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    if (!IsDelimiter(path.back())) path += u'\\';
    return path + std::u16string(name);
}

// A double quote inside the path is doubled, so the shell reads the whole path as one.
std::u16string Quoted(std::u16string_view path) {
    std::u16string quoted = u"\"";
    for (char16_t c : path) {
        quoted += c;
        if (c == u'"') quoted += u'"';
    }
    return quoted + u"\"";
}

}  // namespace

std::u16string FolderPart(std::u16string_view path) {
    const std::size_t root = RootLength(path);
    const std::size_t delimiter = path.find_last_of(u"\\/");
    if (delimiter == std::u16string_view::npos || path.size() <= root) return {};
    if (delimiter < root) return std::u16string(path.substr(0, root));
    return std::u16string(path.substr(0, std::max(delimiter, root)));
}

std::vector<std::u16string> HelpFileCandidates(std::u16string_view programPath) {
    std::vector<std::u16string> candidates{WithHelpExtension(programPath)};
    const std::u16string name(FileNamePart(candidates.front()));
    for (std::u16string folder = FolderPart(candidates.front());;) {
        std::u16string parent = FolderPart(folder);
        // Each parent is shorter than its folder, so the walk ends at the root.
        if (parent.empty() || parent.size() >= folder.size()) break;
        candidates.push_back(Joined(parent, name));
        folder = std::move(parent);
    }
    return candidates;
}

void OpenHelpFile(const ShellContext& shell, const FileSystem& files,
                  std::u16string_view programPath) {
    const std::vector<std::u16string> candidates = HelpFileCandidates(programPath);
    for (const std::u16string& candidate : candidates) {
        if (files.FileExists(candidate)) {
            ShellOpen(shell, Quoted(candidate));
            return;
        }
    }
    ShowPlainMessage(
        shell, std::u16string(NotFoundHead) + std::u16string(FileNamePart(candidates.front())));
}

}  // namespace zubolo
