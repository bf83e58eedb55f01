#include "shell/ResultText.h"

#include <string>

#include "platform/Shell.h"

namespace zubolo {

std::u16string TrimSystemText(std::u16string_view text) {
    std::size_t length = text.size();
    while (length > 0 && (text[length - 1] <= u' ' || text[length - 1] == u'.')) --length;
    return std::u16string(text.substr(0, length));
}

std::u16string ResultCodeText(Shell& shell, std::int32_t code) {
    const std::string decimal = std::to_string(code);
    std::u16string result(decimal.begin(), decimal.end());
    result += u"\r\n";
    result += TrimSystemText(shell.SystemMessageText(static_cast<std::uint32_t>(code)));
    return result;
}

}  // namespace zubolo
