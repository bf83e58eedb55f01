#include "shortcuts/ShellLinkPreparation.h"

#include "platform/ShellLinks.h"
#include "shell/ResultText.h"
#include "shortcuts/ShortcutTexts.h"

namespace zubolo {

std::optional<RaisedError> PrepareShellLink(ShellLink& link, std::u16string_view targetPath,
                                            const ShortcutContent& content, Shell& shell) {
    const auto failure = [&shell](std::u16string_view head, std::int32_t result) {
        return RaisedError{std::u16string(head) + ResultCodeText(shell, result)};
    };
    if (const std::int32_t result = link.SetPath(QuotedTarget(targetPath)); result != ResultOk) {
        return failure(u"SetPath Failed HRESULT=", result);
    }
    if (const std::int32_t result = link.SetWorkingDirectory(content.workingFolder);
        result != ResultOk) {
        return failure(u"SetWorkingDirectory Failed HRESULT=", result);
    }
    if (const std::int32_t result = link.SetDescription(content.description); result != ResultOk) {
        return failure(u"SetDescription HRESULT=", result);
    }
    return std::nullopt;
}

}  // namespace zubolo
