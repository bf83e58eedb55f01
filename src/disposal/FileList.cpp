#include "disposal/FileList.h"

namespace zubolo {

namespace {

constexpr std::u16string_view LineBreak = u"\r\n";

}  // namespace

std::u16string FileListText(const std::vector<std::u16string>& paths) {
    std::u16string text;
    for (const std::u16string& path : paths) {
        text += path;
        text += LineBreak;
    }
    return text;
}

std::vector<std::u16string> SplitFileList(std::u16string_view text) {
    std::vector<std::u16string> paths;
    while (!text.empty()) {
        const std::size_t end = text.find(LineBreak);
        paths.emplace_back(text.substr(0, end));
        if (end == std::u16string_view::npos) break;
        text.remove_prefix(end + LineBreak.size());
    }
    return paths;
}

}  // namespace zubolo
