#include "platform/DeleteSourceList.h"

namespace zubolo {

std::optional<std::u16string> DeleteSourceList(std::u16string_view path) {
    const std::size_t lastSeparator = path.find_last_of(u"\\/");
    const std::u16string_view name =
        lastSeparator == std::u16string_view::npos ? path : path.substr(lastSeparator + 1);
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos ||
        name.find_first_of(u"*?") != std::u16string_view::npos) {
        return std::nullopt;
    }
    std::u16string list(path);
    list += u'\0';
    list += u'\0';
    return list;
}

}  // namespace zubolo
